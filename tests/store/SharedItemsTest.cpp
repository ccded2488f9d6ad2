// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <gtest/gtest.h>

using namespace plist_value;

namespace {
using Strings = std::vector<std::string>;

Strings titlesIn(const Value& list) {
    Strings titles;
    for (const Value& item : *list.get<Array>())
        titles.push_back(*item.get<Dictionary>()->at(keys::jotlingTitle).get<std::string>());
    return titles;
}

// The manager's records share their dictionaries with the store; a change must reach only the one record and
// what is saved from now on.
class SharedItemsTest : public ::testing::Test {
protected:
    SharedItemsTest() {
        defaults.setObject(keys::allRedizado, Value(Array{storedItem("A"), storedItem("B"), storedItem("C")}));
        manager = std::make_unique<JLJotlingManager>(defaults, center);
    }
    MemoryUserDefaults defaults;
    NotificationCenter center;
    std::unique_ptr<JLJotlingManager> manager;
};

TEST_F(SharedItemsTest, AListReadBeforeAChangeKeepsItsTitles) {
    const Value before = *defaults.objectForKey(keys::allRedizado);
    manager->renameEntry("B2", 1, false);
    EXPECT_EQ(titlesIn(before), (Strings{"A", "B", "C"}));
    EXPECT_EQ(titlesIn(*defaults.objectForKey(keys::allRedizado)), (Strings{"A", "B2", "C"}));
}

TEST_F(SharedItemsTest, ARemovedRecordKeepsItsOwnChangesOutOfTheStore) {
    const auto removed = manager->redizado()[0];
    manager->removeEntryAtIndex(0, false);
    removed->setTitle("changed after removal");
    EXPECT_EQ(titlesIn(*defaults.objectForKey(keys::allRedizado)), (Strings{"B", "C"}));
}

TEST_F(SharedItemsTest, ChangesOfAnotherManagerOnTheSameStoreStayApart) {
    JLJotlingManager other(defaults, center);
    other.completeEntry(true, 0, false);
    EXPECT_FALSE(manager->redizado()[0]->completed());
    EXPECT_TRUE(other.redizado()[0]->completed());
}

} // namespace
