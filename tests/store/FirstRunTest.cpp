// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/memory/MemoryUserDefaults.h"
#include "store/FirstRun.h"
#include "store/PreferencesKeys.h"

#include <gtest/gtest.h>

using plist_value::Value;

TEST(FirstRun, EmptyStoreGetsBothGroupsWithMarkers) {
    MemoryUserDefaults defaults;
    runFirstRunProcedure(defaults);

    EXPECT_EQ(defaults.values().size(), 11u);
    EXPECT_TRUE(defaults.boolForKey(keys::loadKeyStatus));
    EXPECT_TRUE(defaults.boolForKey(keys::launchKeyTwo));
    EXPECT_FALSE(defaults.boolForKey(keys::launchAtLogin));
    EXPECT_TRUE(defaults.boolForKey(keys::showToDoCount));
    EXPECT_TRUE(defaults.boolForKey(keys::squareIcon));
    EXPECT_FALSE(defaults.boolForKey(keys::hideAfterEntry));
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
    EXPECT_FALSE(defaults.boolForKey(keys::shortcutKey));
    EXPECT_EQ(*defaults.objectForKey(keys::shortcutKeyCodeKey), Value("\u23B5"));
    EXPECT_EQ(*defaults.objectForKey(keys::shortcutModifierCodeKeyOne), Value("\u2303"));
    EXPECT_EQ(*defaults.objectForKey(keys::shortcutModifierCodeKeyTwo), Value("None"));
    EXPECT_EQ(defaults.synchronizeCount(), 2);
    // Values are booleans and integers, not look-alikes: a reader of the file sees the right types.
    EXPECT_NE(defaults.objectForKey(keys::showToDoCount)->get<bool>(), nullptr);
    EXPECT_NE(defaults.objectForKey(keys::toDoCountKey)->get<std::int64_t>(), nullptr);
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
    EXPECT_TRUE(defaults.boolForKey(keys::launchKeyTwo));
    EXPECT_EQ(defaults.synchronizeCount(), 1);
}

TEST(FirstRun, BothMarkersSetWritesNothing) {
    MemoryUserDefaults defaults;
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::launchKeyTwo, true);
    defaults.resetCounts();

    runFirstRunProcedure(defaults);

    EXPECT_EQ(defaults.values().size(), 2u);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}
