// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <gtest/gtest.h>

using namespace plist_value;

namespace {

class JLJotlingManagerTest : public ::testing::Test {
protected:
    // Stores the items, builds the manager, and starts counting from there.
    JLJotlingManager& load(Array items) {
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
        manager = std::make_unique<JLJotlingManager>(defaults, center);
        defaults.resetCounts();
        posts = 0;
        return *manager;
    }

    std::vector<std::string> storedTitles() const { return ::storedTitles(defaults); }

    std::int64_t storedCount() const { return defaults.integerForKey(keys::toDoCountKey); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    int posts = 0;
    // The count an observer reads back at the moment of the post.
    std::int64_t countSeenByObserver = -1;
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) {
            ++posts;
            countSeenByObserver = defaults.integerForKey(keys::toDoCountKey);
        });
    std::unique_ptr<JLJotlingManager> manager;
};

using Strings = std::vector<std::string>;

TEST_F(JLJotlingManagerTest, LoadingSplitsTheListAndSharesRecords) {
    auto& m = load({storedItem("A", false), storedItem("B", true), storedItem("C", false)});
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "B", "C"}));
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"A", "C"}));
    EXPECT_EQ(m.todoRedizado()[1], m.redizado()[2]);
}

TEST_F(JLJotlingManagerTest, EmptyStoreLoadsNothingAndWritesNothing) {
    JLJotlingManager m(defaults, center);
    EXPECT_TRUE(m.redizado().empty());
    EXPECT_TRUE(m.todoRedizado().empty());
    EXPECT_EQ(defaults.synchronizeCount(), 0);
    EXPECT_EQ(posts, 0);
}

TEST_F(JLJotlingManagerTest, StaleStoredCountIsCorrectedAtLoad) {
    defaults.setInteger(keys::toDoCountKey, 1); // the first-run value, with no items
    JLJotlingManager m(defaults, center);
    EXPECT_EQ(storedCount(), 0);
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(countSeenByObserver, 0);
}

TEST_F(JLJotlingManagerTest, NonDictionaryElementsAreSkippedAndUnknownKeysWrittenBack) {
    Dictionary extra = *storedItem("A", false).get<Dictionary>();
    extra.insert_or_assign("priority", Value(std::int64_t{3}));
    auto& m = load({Value("junk"), Value(extra), Value(std::int64_t{4})});
    ASSERT_EQ(m.redizado().size(), 1u);
    m.renameEntry("A2", 0, false);
    const auto stored = defaults.objectForKey(keys::allRedizado);
    const auto& saved = *stored->get<Array>();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].get<Dictionary>()->at("priority"), Value(std::int64_t{3}));
}

TEST_F(JLJotlingManagerTest, AddingPutsTheItemFirstAndStoresListAndCountInOneWriteBeforePosting) {
    auto& m = load({storedItem("A", false), storedItem("B", true)});
    m.addJotlingWithTitle("x");
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"x", "A", "B"}));
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"x", "A"}));
    EXPECT_EQ(storedTitles(), (Strings{"x", "A", "B"}));
    EXPECT_EQ(storedCount(), 2);
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(countSeenByObserver, 2);
    EXPECT_EQ(defaults.synchronizeCount(), 1);
}

TEST_F(JLJotlingManagerTest, AddingEmptyTitleChangesNoListButStillWritesAndPosts) {
    auto& m = load({storedItem("A", false)});
    m.addJotlingWithTitle("");
    EXPECT_EQ(m.redizado().size(), 1u);
    EXPECT_EQ(defaults.setCount(keys::allRedizado), 1);
    EXPECT_EQ(defaults.setCount(keys::toDoCountKey), 1);
    EXPECT_EQ(posts, 1);
    m.addJotlingWithTitle(" ");
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{" ", "A"}));
}

TEST_F(JLJotlingManagerTest, CheckingInTheToDoListKeepsTheItemInPlaceInTheFullList) {
    auto& m = load({storedItem("x", false), storedItem("A", false)});
    m.completeEntry(true, 0, true);
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"A"}));
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"x", "A"}));
    EXPECT_TRUE(m.redizado()[0]->completed());
    EXPECT_EQ(storedCount(), 1);
    EXPECT_EQ(posts, 1);
}

TEST_F(JLJotlingManagerTest, UncheckingInTheFullListKeepsFullListOrder) {
    auto& m = load({storedItem("x", true), storedItem("A", false), storedItem("B", true)});
    m.completeEntry(false, 2, false);
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"A", "B"}));
    EXPECT_EQ(storedCount(), 2);
}

TEST_F(JLJotlingManagerTest, RemovingFromEitherListLeavesBoth) {
    auto& m = load({storedItem("A", false), storedItem("B", false), storedItem("C", true)});
    m.removeEntryAtIndex(0, false);
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"B"}));
    EXPECT_EQ(storedCount(), 1);
    m.removeEntryAtIndex(0, true);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"C"}));
    EXPECT_TRUE(m.todoRedizado().empty());
    EXPECT_EQ(storedTitles(), (Strings{"C"}));
    EXPECT_EQ(storedCount(), 0);
    EXPECT_EQ(posts, 2);
}

TEST_F(JLJotlingManagerTest, RenamingReachesBothListsAndTheStoreButPostsNothing) {
    auto& m = load({storedItem("A", true), storedItem("B", false)});
    m.renameEntry("B2", 0, true);
    EXPECT_EQ(m.redizado()[1]->title(), "B2");
    m.renameEntry("", 1, false);
    EXPECT_EQ(m.todoRedizado()[0]->title(), "");
    EXPECT_EQ(storedTitles(), (Strings{"A", ""}));
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(defaults.setCount(keys::toDoCountKey), 0);
}

TEST_F(JLJotlingManagerTest, EqualTimesInDistinctDateObjectsAreDifferentItems) {
    auto& m = load({storedItem("A", true, makeDate(5)), storedItem("B", false, makeDate(5))});
    m.renameEntry("B2", 0, true);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "B2"}));
}

// A hand-edited file or an older version may leave items without a creation date; each is still its own item.
TEST_F(JLJotlingManagerTest, ItemsWithoutDatesAreChangedOneByOneThroughTheToDoList) {
    const Dictionary a{{keys::jotlingTitle, "A"}}, b{{keys::jotlingTitle, "B"}}, c{{keys::jotlingTitle, "C"}};
    auto& m = load({Value(a), Value(b), Value(c)});
    m.renameEntry("B2", 1, true);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "B2", "C"}));
    m.completeEntry(true, 2, true);
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"A", "B2"}));
    EXPECT_TRUE(m.redizado()[2]->completed());
    EXPECT_FALSE(m.redizado()[0]->completed());
    m.removeEntryAtIndex(1, true);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "C"}));
    EXPECT_EQ(storedTitles(), (Strings{"A", "C"}));
    EXPECT_EQ(storedCount(), 1);
}

TEST_F(JLJotlingManagerTest, RowsOutsideTheListChangeAndWriteNothing) {
    auto& m = load({storedItem("A", false)});
    m.removeEntryAtIndex(1, false);
    m.removeEntryAtIndex(-1, true);
    m.completeEntry(true, 5, true);
    m.renameEntry("z", 1, false);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A"}));
    EXPECT_EQ(defaults.synchronizeCount(), 0);
    EXPECT_EQ(posts, 0);
}

// A hand edit leaves other items, and a count nobody updated.
TEST_F(JLJotlingManagerTest, ReloadReplacesBothListsAndTellsTheNewCount) {
    auto& m = load({storedItem("old", false)});
    defaults.setObject(keys::allRedizado, Array{storedItem("a", false), storedItem("b", true), storedItem("c", false)});
    m.reloadData();
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"a", "c"}));
    EXPECT_EQ(m.todoRedizado()[1], m.redizado()[2]);
    EXPECT_EQ(countSeenByObserver, 2);
    EXPECT_EQ(posts, 1);
}

TEST_F(JLJotlingManagerTest, ReloadWithTheSameCountStillAnnouncesItWithoutAWrite) {
    auto& m = load({storedItem("old", false)});
    defaults.setObject(keys::allRedizado, Array{storedItem("renamed", false)});
    defaults.resetCounts();
    m.reloadData();
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"renamed"}));
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}

} // namespace

TEST_F(JLJotlingManagerTest, ARemovedRecordGoesBackAsTheSameItemAndIsStoredAndCounted) {
    const Date created = makeDate(2);
    auto& m = load({storedItem("A", false), storedItem("B", false, created), storedItem("C", true)});
    const auto removed = m.redizado()[1];
    m.removeEntryAtIndex(0, true);
    m.removeEntryAtIndex(0, true); // B, now first of the to-do list
    posts = 0;
    m.insertJotling(removed, 0);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"B", "C"}));
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"B"}));
    EXPECT_EQ(m.redizado()[0], removed);
    EXPECT_EQ(m.redizado()[0]->dateCreated(), created);
    EXPECT_EQ(storedTitles(), (Strings{"B", "C"}));
    EXPECT_EQ(storedCount(), 1);
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(countSeenByObserver, 1);
}

TEST_F(JLJotlingManagerTest, PuttingBackClampsThePlaceAndNeverListsARecordTwice) {
    auto& m = load({storedItem("A", false), storedItem("B", false)});
    const auto b = m.redizado()[1];
    m.removeEntryAtIndex(1, false);
    m.insertJotling(b, 99);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "B"}));
    m.insertJotling(b, 0);
    m.insertJotling(nullptr, 0);
    EXPECT_EQ(titlesOf(m.redizado()), (Strings{"A", "B"}));
    EXPECT_EQ(titlesOf(m.todoRedizado()), (Strings{"A", "B"}));
}
