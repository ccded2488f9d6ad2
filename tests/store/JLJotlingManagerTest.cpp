// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotlingManager.h"
#include "FirstRun.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <gtest/gtest.h>

#include <functional>

using namespace plist_value;

namespace {
using Strings = std::vector<std::string>;

class JLJotlingManagerTest : public ::testing::Test {
protected:
    // Stores the items, builds the manager, and starts counting writes from there.
    JLJotlingManager& load(Array items) {
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
        manager = std::make_unique<JLJotlingManager>(defaults, center);
        defaults.synchronizeCount = 0;
        return *manager;
    }
    Strings storedTitles() const { return ::storedTitles(defaults); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    std::int64_t countSeenByObserver = -1; // read back from the store at the moment of the post
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr,
                           [this](auto&) { countSeenByObserver = defaults.integerForKey(keys::toDoCountKey); });
    std::unique_ptr<JLJotlingManager> manager;
};

TEST_F(JLJotlingManagerTest, RowsOutsideTheListChangeAndWriteNothingAndEachChangeMadeHereAsksForASync) {
    auto& m = load({storedItem("A")});
    int toldHere = 0;
    m.setChangedHereHandler([&toldHere] { ++toldHere; });
    m.removeEntryAtIndex(1, false);
    m.removeEntryAtIndex(-1, true);
    m.completeEntry(true, 5, true);
    m.renameEntry("z", 1, false);
    EXPECT_EQ(defaults.synchronizeCount, 0);
    EXPECT_EQ(toldHere, 0);

    // Each change made here is told once, for the sync to send soon; a reload is someone else's change.
    m.addJotlingWithTitle("B");
    m.completeEntry(true, 0, false);
    m.renameEntry("C", 0, false);
    const auto removed = m.redizado()[0];
    m.removeEntryAtIndex(0, false);
    m.insertJotling(removed, 0);
    m.reloadData();
    EXPECT_EQ(toldHere, 5);
}

// A hand edit leaves other items, and a count nobody updated.
TEST_F(JLJotlingManagerTest, ReloadReplacesBothListsAndTellsTheNewCount) {
    auto& m = load({storedItem("old")});
    defaults.setObject(keys::allRedizado, Array{storedItem("a"), storedItem("b", true), storedItem("c")});
    m.reloadData();
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"a", "b", "c"}));
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"a", "c"}));
    EXPECT_EQ(countSeenByObserver, 2);
    // The other writer stored the right count: the tray's title still has to be told.
    defaults.setObject(keys::allRedizado, Array{storedItem("d")});
    defaults.setInteger(keys::toDoCountKey, 1);
    m.reloadData();
    EXPECT_EQ(countSeenByObserver, 1);
}

// The manager's records share their dictionaries with the store; a change must reach only the one record and
// what is saved from now on.
TEST_F(JLJotlingManagerTest, AChangeReachesOnlyItsRecordAndWhatIsSavedFromNowOnAndARemovedRecordGoesBackOnce) {
    auto& m = load({storedItem("A"), storedItem("B"), storedItem("C")});
    MemoryUserDefaults readBefore;
    readBefore.values = defaults.values;
    m.renameEntry("B2", 1, false);
    EXPECT_EQ(storedTitles(), (Strings{"A", "B2", "C"}));
    EXPECT_EQ(::storedTitles(readBefore), (Strings{"A", "B", "C"})) << "a list read before the change";

    const auto removed = m.redizado()[0];
    m.removeEntryAtIndex(0, false);
    removed->setTitle("changed after removal");
    EXPECT_EQ(storedTitles(), (Strings{"B2", "C"}));
    // Put back once, last from a far index. (Undo through the panel is met in the panel's tests.)
    m.insertJotling(removed, 99);
    m.insertJotling(removed, 0);
    EXPECT_EQ(storedTitles(), (Strings{"B2", "C", "changed after removal"}));

    JLJotlingManager other(defaults, center);
    other.completeEntry(true, 0, false);
    EXPECT_FALSE(m.redizado()[0]->completed());
    EXPECT_TRUE(other.redizado()[0]->completed());
}

// A first start stores the defaults: the count shown on the square icon, no start at login, the panel kept open
// after an entry. A later start runs only a group still missing and keeps the user's settings.
TEST(FirstRun, AFirstStartStoresTheDefaultsAndALaterOneOnlyTheMissingGroup) {
    MemoryUserDefaults fresh;
    runFirstRunProcedure(fresh);
    EXPECT_TRUE(fresh.boolForKey(keys::showToDoCount) && fresh.boolForKey(keys::squareIcon));
    EXPECT_FALSE(fresh.boolForKey(keys::launchAtLogin) || fresh.boolForKey(keys::hideAfterEntry));

    MemoryUserDefaults defaults;
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::showToDoCount, false);
    runFirstRunProcedure(defaults);
    EXPECT_FALSE(defaults.boolForKey(keys::showToDoCount));
    EXPECT_NE(defaults.objectForKey(keys::shortcutKeyCodeKey), std::nullopt);
}

// Left to its first use, the list is read whole by whatever needs it first: nothing stored is lost or reordered,
// and a stored count that was wrong is put right.
TEST_F(JLJotlingManagerTest, AListLeftToItsFirstUseKeepsEveryItemAndPutsTheCountRight) {
    constexpr int stored = 10000;
    Array items;
    for (int i = 0; i < stored; ++i)
        items.push_back(storedItem("item " + std::to_string(i), i % 4 == 0));
    const struct {
        const char* name;
        std::function<void(JLJotlingManager&)> use;
        int added;
        Strings storedFirst; // the stored list's first titles afterwards
    } uses[] = {{"add", [](JLJotlingManager& m) { m.addJotlingWithTitle("new"); }, 1, {"new", "item 0", "item 1"}},
                {"read the list", [](JLJotlingManager& m) { (void)m.todoRedizado().size(); }, 0, {"item 0", "item 1"}},
                {"save", [](JLJotlingManager& m) { m.saveData(); }, 0, {"item 0", "item 1"}},
                {"reload", [](JLJotlingManager& m) { m.reloadData(); }, 0, {"item 0", "item 1"}},
                {"rename", [](JLJotlingManager& m) { m.renameEntry("renamed", 1, false); }, 0, {"item 0", "renamed"}},
                {"loaded after the start", [](JLJotlingManager& m) { m.loadList(); }, 0, {"item 0", "item 1"}}};
    for (const auto& use : uses) {
        SCOPED_TRACE(use.name);
        defaults.setObject(keys::allRedizado, Value(items));
        defaults.setInteger(keys::toDoCountKey, 3);
        countSeenByObserver = -1;
        JLJotlingManager m(defaults, center, JLJotlingManager::Load::atFirstUse);
        EXPECT_FALSE(m.listLoaded());
        EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 3);
        use.use(m);
        EXPECT_EQ(m.redizado().size(), std::size_t(stored + use.added));
        const Strings titles = storedTitles();
        ASSERT_EQ(titles.size(), std::size_t(stored + use.added));
        EXPECT_EQ(Strings(titles.begin(), titles.begin() + std::ptrdiff_t(use.storedFirst.size())), use.storedFirst);
        EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), stored * 3 / 4 + use.added);
        EXPECT_EQ(countSeenByObserver, stored * 3 / 4 + use.added);
    }
}
} // namespace
