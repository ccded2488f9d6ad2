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

class JLJotlingManagerTest : public ::testing::Test {
protected:
    // Stores the items, builds the manager, and starts counting writes and posts from there.
    JLJotlingManager& load(Array items) {
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
        manager = std::make_unique<JLJotlingManager>(defaults, center);
        defaults.resetCounts();
        posts = 0;
        return *manager;
    }
    Strings storedTitles() const { return ::storedTitles(defaults); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    int posts = 0;
    std::int64_t countSeenByObserver = -1; // read back from the store at the moment of the post
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) {
            ++posts;
            countSeenByObserver = defaults.integerForKey(keys::toDoCountKey);
        });
    std::unique_ptr<JLJotlingManager> manager;
};

TEST_F(JLJotlingManagerTest, RowsOutsideTheListChangeAndWriteNothing) {
    auto& m = load({storedItem("A")});
    m.removeEntryAtIndex(1, false);
    m.removeEntryAtIndex(-1, true);
    m.completeEntry(true, 5, true);
    m.renameEntry("z", 1, false);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}

// A hand edit leaves other items, and a count nobody updated.
TEST_F(JLJotlingManagerTest, ReloadReplacesBothListsAndTellsTheNewCount) {
    auto& m = load({storedItem("old")});
    defaults.setObject(keys::allRedizado, Array{storedItem("a"), storedItem("b", true), storedItem("c")});
    m.reloadData();
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"a", "c"}));
    EXPECT_EQ(countSeenByObserver, 2);
    // The other writer stored the right count: the tray's title still has to be told.
    defaults.setObject(keys::allRedizado, Array{storedItem("d")});
    defaults.setInteger(keys::toDoCountKey, 1);
    m.reloadData();
    EXPECT_EQ(countSeenByObserver, 1);
}

// (Undo through the panel is met in the panel's tests; it never puts back one record twice.)
TEST_F(JLJotlingManagerTest, ARemovedRecordGoesBackOnceAndAFarIndexPutsItLast) {
    auto& m = load({storedItem("A"), storedItem("B")});
    const auto removed = m.redizado()[0];
    m.removeEntryAtIndex(0, false);
    m.insertJotling(removed, 99);
    m.insertJotling(removed, 0);
    EXPECT_EQ(storedTitles(), (Strings{"B", "A"}));
}
} // namespace
