// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptIconPlace.h"
#include "TempFolder.h"

#include "FileContents.h"

#include <gtest/gtest.h>

// Written by hand, cut short or from a broken run: none of it may send the panel off somewhere absurd.
TEST(KeptIconPlace, AFileThatIsNotAPlaceGivesNone) {
    TempFolder folder;
    const std::string path = folder.path() + "/icon-place";
    for (const char* text : {"", "1 2 3", "1 2 3 4 5", "a b c d", "1 2 0 22", "1 2 22 -3", "1 2 9999 22",
                             "99999999999 2 22 22", "1.5 2 22 22", "\xff\xfe 2 22 22"}) {
        writeFile(path, text);
        EXPECT_EQ(KeptIconPlace(QString::fromStdString(path)).place(), std::nullopt) << text;
    }
}

// A state folder that cannot be written costs the next start its guess, never this run's place.
TEST(KeptIconPlace, AnUnwritableFolderKeepsThePlaceForThisRun) {
    TempFolder folder;
    // A file where the folder should be: no folder can be made there, not even by root.
    writeFile(folder.path() + "/state", "");
    KeptIconPlace kept(QString::fromStdString(folder.path() + "/state/icon-place"));
    kept.keep(QRect(10, 10, 22, 22));
    EXPECT_EQ(kept.place(), QRect(10, 10, 22, 22));
}
