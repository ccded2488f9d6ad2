// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstRun.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

TEST(FirstRun, RunsOnceWithValuesAReaderOfTheFileSeesAsTheirTypes) {
    MemoryUserDefaults defaults;
    runFirstRunProcedure(defaults);
    EXPECT_TRUE(defaults.boolForKey(keys::showToDoCount));
    EXPECT_NE(defaults.objectForKey(keys::showToDoCount)->get<bool>(), nullptr);
    EXPECT_NE(defaults.objectForKey(keys::toDoCountKey)->get<std::int64_t>(), nullptr);
    const auto firstValues = defaults.values();
    defaults.resetCounts();
    runFirstRunProcedure(defaults);
    EXPECT_EQ(defaults.values(), firstValues);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}

TEST(FirstRun, OnlyTheMissingGroupRunsAndKeepsOtherSettings) {
    MemoryUserDefaults defaults;
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::showToDoCount, false);
    defaults.setBool(keys::squareIcon, false);
    defaults.setInteger(keys::toDoCountKey, 7);
    defaults.resetCounts();
    runFirstRunProcedure(defaults);
    EXPECT_FALSE(defaults.boolForKey(keys::showToDoCount));
    EXPECT_FALSE(defaults.boolForKey(keys::squareIcon));
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 7);
    EXPECT_EQ(defaults.setCount(keys::launchAtLogin), 0);
    EXPECT_EQ(defaults.setCount(keys::shortcutKeyCodeKey), 1);
    EXPECT_EQ(defaults.synchronizeCount(), 1);
}
