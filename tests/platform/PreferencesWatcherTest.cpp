// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesWatcher.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

TEST(PreferencesWatcherTest, SeesWritesInPlaceAlsoAfterTheFileWasReplacedByARename) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    std::ofstream(path) << "first";
    int changes = 0;
    PreferencesWatcher watcher(QString::fromStdString(path), [&changes] { ++changes; });

    // As an editor saves: a new file renamed over the old one, which the editor still holds open for a while.
    {
        std::ifstream stillOpen(path);
        std::ofstream(path + ".new") << "second";
        ASSERT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0);
        EXPECT_TRUE(waitUntil([&changes] { return changes > 0; }));
        waitUntil([] { return false; }, 200);
    }

    // As a shell redirection or a copy writes: in place, into the file that came with the rename.
    changes = 0;
    std::ofstream(path) << "third";
    EXPECT_TRUE(waitUntil([&changes] { return changes > 0; }));

    changes = 0;
    std::remove(path.c_str());
    std::ofstream(path) << "made again";
    EXPECT_TRUE(waitUntil([&changes] { return changes > 0; }));
}
