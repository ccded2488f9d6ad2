// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesWatcher.h"
#include "TempFolder.h"

#include "FileContents.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <cstdio>

// Each change is told by what the file then holds, so a late word about an earlier change cannot pass for a later one.
TEST(PreferencesWatcherTest, SeesWritesInPlaceAlsoAfterTheFileWasReplacedByARename) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    writeFile(path, "first");
    std::string seen;
    int told = 0;
    PreferencesWatcher watcher(QString::fromStdString(path), [&] {
        seen = readFile(path);
        ++told;
    });

    // As an editor saves: a new file renamed over the old one, which the editor still holds open. The old file is
    // not gone until it is closed, so nothing but a watch of the new file sees the write in place that follows.
    {
        std::ifstream stillOpen(path);
        writeFile(path + ".new", "second");
        ASSERT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0);
        EXPECT_TRUE(waitUntil([&] { return seen == "second"; }));
        writeFile(path, "third");
        EXPECT_TRUE(waitUntil([&] { return seen == "third"; }));
    }

    // Removed and, once that was told, made again: only the folder's watch sees a file that was not there.
    std::remove(path.c_str());
    EXPECT_TRUE(waitUntil([&] { return seen.empty(); }));
    writeFile(path, "made again");
    EXPECT_TRUE(waitUntil([&] { return seen == "made again"; }));
    // Told once, not again and again while nothing changes.
    const int toldThen = told;
    EXPECT_FALSE(waitUntil([&] { return told > toldThen; }, 300));
}

// Changes made elsewhere go unseen where the folder cannot be watched: the log says so then, and only then.
TEST(PreferencesWatcherTest, AFolderThatCannotBeWatchedIsLogged) {
    TempFolder temp;
    for (const auto& [path, logged] : {std::pair(temp.path() + "/defaults.plist", false),
                                       std::pair(std::string("/proc/self/fdinfo/redizado/defaults.plist"), true)}) {
        testing::internal::CaptureStderr();
        PreferencesWatcher watcher(QString::fromStdString(path), {});
        EXPECT_EQ(testing::internal::GetCapturedStderr().find("cannot watch") != std::string::npos, logged) << path;
    }
}
