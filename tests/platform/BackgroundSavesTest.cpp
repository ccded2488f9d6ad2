// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundSaves.h"
#include "FileUserDefaults.h"
#include "TempFolder.h"

#include "WaitUntil.h"

#include <gtest/gtest.h>

using plist_value::Value;

// The hook runs once the save's outcome is applied, so it may look at the file's state; once the saves are gone, a
// save is on disk when synchronize returns.
TEST(BackgroundSaves, EachSaveIsSettledOnThisThreadBeforeTheHookAndWrittenHereOnceGone) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    FileUserDefaults defaults(path);
    int told = 0;
    bool savingWhenTold = true;
    {
        BackgroundSaves saves(defaults, [&] {
            ++told;
            savingWhenTold = defaults.saving();
        });
        defaults.setObject("title", Value("in the background"));
        defaults.synchronize();
        EXPECT_TRUE(waitUntil([&] { return told == 1; }));
        EXPECT_FALSE(savingWhenTold);
        EXPECT_EQ(FileUserDefaults(path).objectForKey("title"), Value("in the background"));
    }
    defaults.setObject("title", Value("here"));
    EXPECT_TRUE(defaults.synchronize());
    EXPECT_EQ(FileUserDefaults(path).objectForKey("title"), Value("here"));
    EXPECT_EQ(told, 1);
}
