// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveProblemNotice.h"

#include "FailingFileCalls.h"
#include "FileUserDefaults.h"
#include "MemoryStatusItem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

// Told once per spell of failing saves; quitting tries once more and saves what was left.
TEST(SaveProblemNotice, TellsOncePerSpellOfFailingSavesAndQuittingTriesOnceMore) {
    TempFolder folder;
    const std::string path = folder.path() + "/defaults.plist";
    auto full = std::make_shared<bool>(true);
    FileUserDefaults defaults(path, failingAt(FileStep::write, ENOSPC, full));
    MemoryStatusItem tray;
    noticeSaveProblems(defaults, tray);
    EXPECT_TRUE(tray.messages.empty());

    defaults.setInteger("changes", 1);
    defaults.synchronize();
    defaults.synchronize();
    ASSERT_EQ(tray.messages.size(), 1u);
    EXPECT_NE(tray.messages[0].indexOf(QStringLiteral("No space left on device")), -1);
    *full = false;
    defaults.synchronize();
    *full = true;
    defaults.synchronize();
    EXPECT_EQ(tray.messages.size(), 2u);

    // At quit the tray program still writes in the background: the answer waits for the write.
    defaults.setSavesInBackground([] {});
    defaults.setInteger("items", 7);
    EXPECT_FALSE(saveOnceMoreAtQuit(defaults));
    *full = false;
    EXPECT_TRUE(saveOnceMoreAtQuit(defaults));
    EXPECT_EQ(FileUserDefaults(path).integerForKey("items"), 7);
}

TEST(SaveProblemNotice, AFolderThatTakesNoFilesIsToldAtStartAndTheProgramWorksInMemory) {
    // No one, the superuser included, can make files here.
    FileUserDefaults defaults("/proc/self/fdinfo/redizado/defaults.plist");
    MemoryStatusItem tray;
    noticeSaveProblems(defaults, tray);
    ASSERT_EQ(tray.messages.size(), 1u);
    EXPECT_NE(tray.messages[0].indexOf(QStringLiteral("read-only")), -1);
    defaults.setInteger("items", 1);
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_EQ(defaults.integerForKey("items"), 1);
}
