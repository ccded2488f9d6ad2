// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"

#include "StoredItems.h"

#include <gtest/gtest.h>

using namespace plist_value;

namespace {

class ReloadTest : public ::testing::Test {
protected:
    MemoryUserDefaults defaults;
    NotificationCenter center;
    int posts = 0;
    std::int64_t countSeen = -1;
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) {
            ++posts;
            countSeen = defaults.integerForKey(keys::toDoCountKey);
        });
};

TEST_F(ReloadTest, ReplacesBothListsAndTellsTheNewCount) {
    defaults.setObject(keys::allRedizado, Array{storedItem("old", false)});
    defaults.setInteger(keys::toDoCountKey, 1);
    JLJotlingManager manager(defaults, center);

    // What a hand edit leaves: other items, and a count nobody updated.
    defaults.setObject(keys::allRedizado, Array{storedItem("a", false), storedItem("b", true), storedItem("c", false)});
    manager.reloadData();

    ASSERT_EQ(manager.redizado().size(), 3u);
    ASSERT_EQ(manager.todoRedizado().size(), 2u);
    EXPECT_EQ(manager.todoRedizado()[1], manager.redizado()[2]);
    EXPECT_EQ(countSeen, 2);
    EXPECT_EQ(posts, 1);
}

TEST_F(ReloadTest, SameCountIsStillAnnouncedWithoutAWrite) {
    defaults.setObject(keys::allRedizado, Array{storedItem("old", false)});
    defaults.setInteger(keys::toDoCountKey, 1);
    JLJotlingManager manager(defaults, center);
    defaults.setObject(keys::allRedizado, Array{storedItem("renamed", false)});
    defaults.resetCounts();

    manager.reloadData();

    EXPECT_EQ(manager.redizado().front()->title(), std::optional<std::string>("renamed"));
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}
} // namespace
