// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstRun.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

TEST(FirstRun, OnlyTheMissingGroupRunsAndKeepsOtherSettings) {
    MemoryUserDefaults defaults;
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::showToDoCount, false);
    runFirstRunProcedure(defaults);
    EXPECT_FALSE(defaults.boolForKey(keys::showToDoCount));
    EXPECT_NE(defaults.objectForKey(keys::shortcutKeyCodeKey), std::nullopt);
}
