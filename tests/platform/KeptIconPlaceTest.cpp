// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptIconPlace.h"
#include "TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
QString inFolder(const TempFolder& folder, const char* name) {
    return QString::fromStdString(folder.path()) + QLatin1Char('/') + QLatin1String(name);
}
} // namespace

// Written by hand, cut short or from a broken run: none of it may send the panel off somewhere absurd.
TEST(KeptIconPlace, AFileThatIsNotAPlaceGivesNone) {
    TempFolder folder;
    const QString path = inFolder(folder, "icon-place");
    for (const char* text : {"", "1 2 3", "1 2 3 4 5", "a b c d", "1 2 0 22", "1 2 22 -3", "1 2 9999 22",
                             "99999999999 2 22 22", "1.5 2 22 22", "\xff\xfe 2 22 22"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        EXPECT_EQ(KeptIconPlace(path).place(), std::nullopt) << text;
    }
}

// A state folder that cannot be written costs the next start its guess, never this run's place.
TEST(KeptIconPlace, AnUnwritableFolderKeepsThePlaceForThisRun) {
    TempFolder folder;
    // A file where the folder should be: no folder can be made there, not even by root.
    QFile blocker(inFolder(folder, "state"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    KeptIconPlace kept(inFolder(folder, "state/icon-place"));
    kept.keep(QRect(10, 10, 22, 22));
    EXPECT_EQ(kept.place(), QRect(10, 10, 22, 22));
}
