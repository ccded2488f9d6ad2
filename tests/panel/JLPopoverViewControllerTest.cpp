// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

using namespace plist_value;

using PopoverTest = ListTest;

// The first start reads the list already stored, skipping what it cannot read, and keeps the settings.
TEST_F(PopoverTest, TheFirstStartKeepsTheItemsAndSettingsAlreadyStoredAndSkipsUnreadableElements) {
    Dictionary noFlag{{keys::jotlingTitle, Value("no flag")}, {keys::jotlingCreatedDate, Value(now())}};
    defaults.setObject(keys::allRedizado, Value(Array{storedItem("milk"), Value("not an item"), Value(noFlag),
                                                      storedItem("bread", true)}));
    defaults.setBool(keys::hideAfterEntry, true);
    defaults.setInteger(keys::switcherKey, 1);
    startPopover();
    EXPECT_EQ(storedTitles(defaults), (Strings{"milk", "<none>", "no flag", "bread"}));
    EXPECT_TRUE(defaults.boolForKey(keys::loadKeyPopover));
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    EXPECT_EQ(shownTitles(), (Strings{"milk", "no flag", "bread"}));
    EXPECT_TRUE(defaults.saved == defaults.values) << "written through";
    switchTo(0);
    EXPECT_EQ(shownTitles(), Strings{"milk"});
}

// Rows counted, shown and clicked come from the category stored, as read at start, when shown and from the file.
TEST_F(PopoverTest, ShowsTheStoredCategoryReadAtStartWhenShownAndFromTheFile) {
    startPopover({storedItem("open"), storedItem("done", true)});
    defaults.setInteger(keys::switcherKey, 0);
    center.postNotificationName(notifications::popoverWillBecomeVisible, nullptr);
    EXPECT_EQ(table()->numberOfRows(), 1);
    storeItems({storedItem("new"), storedItem("open"), storedItem("done", true)});
    defaults.setInteger(keys::switcherKey, 7); // out of range: the full list
    popover->retrieveData();
    EXPECT_EQ(widgets().categorySwitcher->segmentButton(0)->text(), QStringLiteral("To Do (2)"));
    EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), 1);
    EXPECT_EQ(shownTitles(), (Strings{"new", "open", "done"}));
    cellAt(2)->checkBox()->click();
    EXPECT_EQ(stored(), "new open done");
}

// Items a hand edit left without a date are still told apart.
TEST_F(PopoverTest, ItemsWithoutADateAreNotMistakenForEachOther) {
    const auto undated = [](const char* title) {
        return Value(Dictionary{{keys::jotlingTitle, Value(title)}, {keys::jotlingChecked, Value(false)}});
    };
    startPopover({undated("x"), undated("y"), undated("z")});
    cellAt(1)->checkBox()->click();
    // Checked, it is given a date, and is told apart by it from then on.
    EXPECT_TRUE(storedList(defaults).at(1).get<Dictionary>()->count(keys::jotlingCreatedDate));
    list().enterEditMode();
    cellAt(1)->removeButton()->click();
    EXPECT_EQ(stored(), "x y*");
    EXPECT_EQ(count(), 1);
    // In the full list, a change to one undated item leaves the others' rows answering clicks.
    storeItems({undated("p"), undated("q"), undated("r")});
    popover->retrieveData();
    switchTo(1);
    cellAt(1)->checkBox()->click();
    cellAt(2)->checkBox()->click();
    EXPECT_EQ(stored(), "p q* r*");
}

// The field is off while the dismissal runs, so the focus it loses adds nothing twice. The first start on an empty
// store seeds a welcome item; leaving the field adds its text.
TEST_F(PopoverTest, HideAfterEntryAsksToBeDismissedWithTheFieldOffAndLeavingTheFieldAddsItsText) {
    defaults.setBool(keys::hideAfterEntry, true);
    startPopover();
    EXPECT_TRUE(widgets().hideAfterEntryCheckBox->isChecked()) << "the setting shows as stored";
    EXPECT_EQ(defaults.objectForKey(keys::switcherKey), Value(std::int64_t(0))) << "the first start's category";
    std::vector<bool> enabledDuringPosts;
    center.addObserver(notifications::popoverShouldBeDismissed, nullptr,
                       [&](const auto&) { enabledDuringPosts.push_back(popover->jotlingField()->isEnabled()); });
    add(QStringLiteral("bread"));
    EXPECT_EQ(enabledDuringPosts, std::vector{false});
    EXPECT_TRUE(popover->jotlingField()->isEnabled());
    popover->jotlingField()->setText(QStringLiteral("typed"));
    popover->textShouldEndEditing(popover->jotlingField());
    EXPECT_EQ(stored(), "typed bread Welcome");
}

// The sync's UID and keys other clients set ride on the item: checking, unchecking or renaming it in the popover
// must not strip them, or the next sync deletes the task and sends it back bare. The date tells items apart, and an
// emptied title is refused.
TEST_F(PopoverTest, CheckingUncheckingAndRenamingKeepEveryOtherKey) {
    Dictionary item = *storedItem("a").get<Dictionary>();
    item.insert_or_assign("JotlingSyncUID", Value("uid-1"));
    item.insert_or_assign("SomeOtherClientsKey", Value(std::int64_t(7)));
    startPopover({Value(item)});
    const auto keysKept = [&] {
        const Dictionary now = *storedList(defaults).at(0).get<Dictionary>();
        return now.count("JotlingSyncUID") == 1 && now.at("JotlingSyncUID") == Value("uid-1") &&
               now.count("SomeOtherClientsKey") == 1 &&
               now.at(keys::jotlingCreatedDate) == item.at(keys::jotlingCreatedDate);
    };
    EXPECT_EQ(widgets().categorySwitcher->segmentButton(0)->text(), QStringLiteral("To Do (1)"));
    cellAt(0)->checkBox()->click(); // checked from the To Do list
    EXPECT_EQ(stored(), "a*");
    EXPECT_EQ(said(), QStringLiteral("Checked: a"));
    EXPECT_TRUE(keysKept());
    EXPECT_TRUE(defaults.saved == defaults.values) << "written through";
    EXPECT_EQ(widgets().categorySwitcher->segmentButton(0)->text(), QStringLiteral("To Do (0)"));
    switchTo(1);
    cellAt(0)->checkBox()->click(); // unchecked from the full list
    EXPECT_EQ(stored(), "a");
    EXPECT_TRUE(keysKept());
    list().enterEditMode();
    rename(0, QStringLiteral("b"));
    EXPECT_EQ(stored(), "b");
    EXPECT_TRUE(keysKept());
    rename(0, QString());
    EXPECT_EQ(stored(), "b");
}

// A sync replaced the list (a UID given, an item from the server), which the sync does not announce: the popover
// shows the merged list, and its next change is made to it rather than writing its own older copy over it; so is
// a change after anyone else wrote the stored list.
TEST_F(PopoverTest, AChangeGoesIntoTheStoredListAsItIsNowNotTheCopyReadBefore) {
    storeItems({storedItem("a"), storedItem("b")});
    manager = std::make_unique<JLJotlingManager>(defaults, center);
    startPopover();
    mergeFromServer("b");
    int countsTold = 0; // to the tray icon
    center.addObserver(notifications::toDoCountChanged, nullptr, [&](const auto&) { ++countsTold; });
    EXPECT_EQ(shownTitles(), (Strings{"from the server", "a", "b"}));
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(stored(), "from the server a* b");
    Array written = storedList(defaults);
    EXPECT_EQ(written.at(2).get<Dictionary>()->count("JotlingSyncUID"), 1u);
    written.insert(written.begin(), storedItem("written meanwhile"));
    storeItems(written);
    cellAt(0)->checkBox()->click();
    EXPECT_EQ(stored(), "written meanwhile from the server* a* b");
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(countsTold, 2);
}

// From the full list too, after someone else wrote the stored list: a row acts on its own item where it moved to,
// and is said so, and a row whose item is gone changes nothing at all.
TEST_F(PopoverTest, ARowActsOnItsOwnItemWhereverTheStoredListMovedItOrNotAtAllOnceGone) {
    startPopover({storedItem("a"), storedItem("b"), storedItem("c")});
    switchTo(1);
    const auto writeElsewhere = [&](auto change) {
        Array written = storedList(defaults);
        change(written);
        storeItems(written);
    };
    writeElsewhere([&](Array& items) {
        items.pop_back();
        items.insert(items.begin(), storedItem("new"));
    });
    cellAt(2)->checkBox()->click(); // "c", removed meanwhile
    EXPECT_EQ(stored(), "new a b");
    writeElsewhere([&](Array& items) { items.insert(items.begin(), storedItem("x")); });
    list().enterEditMode();
    rename(1, QStringLiteral("A")); // "a", shown in row 1, now stored third
    EXPECT_EQ(stored(), "x new A b");
    cellAt(0)->removeButton()->click(); // "new": the rows still show "new A b"
    EXPECT_EQ(stored(), "x A b");
    EXPECT_EQ(said(), QStringLiteral("Removed: new"));
    writeElsewhere([&](Array& items) { items.pop_back(); });
    cellAt(2)->removeButton()->click(); // "b", removed meanwhile
    EXPECT_EQ(stored(), "x A");
    EXPECT_EQ(said(), QStringLiteral("Removed: new")) << "what was gone already is not said removed here";
}
