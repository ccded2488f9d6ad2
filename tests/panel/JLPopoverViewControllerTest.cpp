// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLPopoverViewController.h"
#include "JLRedizadoTableViewCell.h"
#include "JLSegmentedControl.h"
#include "JLTextField.h"
#include "ListCore.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PanelDriver.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace plist_value;
using Strings = std::vector<std::string>;

namespace {
std::string titleOf(const Dictionary& entry) {
    const auto found = entry.find(keys::jotlingTitle);
    const std::string* title = found == entry.end() ? nullptr : found->second.get<std::string>();
    return title ? *title : "<none>";
}

// The popover's list over an in-memory store; the controller is made by start(), after a test seeded the store.
class PopoverTest : public ::testing::Test {
protected:
    void start() {
        controller = std::make_unique<JLPopoverViewController>(defaults, center);
        controller->awakeFromNib();
        controller->view()->resize(300, 400);
        controller->view()->show();
    }
    // A store the popover has seen before, holding these items (newest first).
    void storeItems(Array items) {
        defaults.setBool(keys::loadKeyPopover, true);
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
    }
    const ListWidgets& widgets() const { return controller->list().widgets(); }
    void add(const QString& title) { typeAndReturn(controller->jotlingField(), title); }
    void switchTo(int segment) { switchCategory(*controller, segment); }
    JLRedizadoTableViewCell* cellAt(std::int64_t row) { return ::cellAt(controller->redizadoTableView(), row); }
    void rename(std::int64_t row, const QString& title) { ::rename(controller->redizadoTableView(), row, title); }
    static Strings titles(const JLPopoverViewController::Entries& list) {
        Strings result;
        for (const auto& entry : list)
            result.push_back(titleOf(*entry));
        return result;
    }
    Array storedList() const {
        const auto stored = defaults.objectForKey(keys::allRedizado);
        return stored && stored->get<Array>() ? *stored->get<Array>() : Array{};
    }
    Strings storedTitles() const { return ::storedTitles(defaults); }
    Strings shownTitles() { return ::shownTitles(controller->redizadoTableView()); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    std::unique_ptr<JLPopoverViewController> controller;
};
} // namespace

TEST_F(PopoverTest, TheFirstStartOnAnEmptyStoreSeedsOneWelcomeItem) {
    start();
    EXPECT_EQ(titles(controller->redizadoArray()), Strings{"Welcome"});
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), Strings{"Welcome"});
    EXPECT_EQ(storedTitles(), Strings{"Welcome"});
    EXPECT_TRUE(defaults.boolForKey(keys::loadKeyPopover));
    EXPECT_EQ(defaults.synchronizeCount(), 1);
    EXPECT_EQ(shownTitles(), Strings{"Welcome"});
    switchTo(1);
    EXPECT_EQ(shownTitles(), Strings{"Welcome"});
}

TEST_F(PopoverTest, TheFirstStartKeepsTheItemsAndSettingsAlreadyStored) {
    defaults.setObject(keys::allRedizado, Value(Array{storedItem("milk", false), storedItem("bread", true)}));
    defaults.setBool(keys::hideAfterEntry, true);
    defaults.setInteger(keys::switcherKey, 1);
    start();
    EXPECT_EQ(storedTitles(), (Strings{"milk", "bread"}));
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), Strings{"milk"});
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 1);
    EXPECT_TRUE(defaults.boolForKey(keys::loadKeyPopover));
    EXPECT_EQ(shownTitles(), (Strings{"milk", "bread"}));
}

TEST_F(PopoverTest, AStoredListIsFilteredAndUnreadableElementsAreSkipped) {
    Dictionary noFlag{{keys::jotlingTitle, Value("no flag")}, {keys::jotlingCreatedDate, Value(now())}};
    storeItems({storedItem("a", false), Value("not an item"), Value(noFlag), storedItem("b", true)});
    start();
    EXPECT_EQ(titles(controller->redizadoArray()), (Strings{"a", "no flag", "b"}));
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), Strings{"a"});
    EXPECT_EQ(shownTitles(), Strings{"a"});
}

struct SwitcherCase {
    const char* name;
    std::int64_t stored;
    int segment;
};

class StoredCategory : public PopoverTest, public ::testing::WithParamInterface<SwitcherCase> {};

// Rows counted and rows shown come from the same list, whatever was stored.
TEST_P(StoredCategory, SelectsTheSegmentTheRowsAreReadFrom) {
    storeItems({storedItem("open", false), storedItem("done", true)});
    defaults.setInteger(keys::switcherKey, GetParam().stored);
    start();
    EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), GetParam().segment);
    const Strings expected = GetParam().segment == 0 ? Strings{"open"} : Strings{"open", "done"};
    EXPECT_EQ(shownTitles(), expected);
    EXPECT_EQ(controller->redizadoTableView()->numberOfRows(), static_cast<std::int64_t>(expected.size()));
    // Checking the last row changes the item shown there.
    cellAt(static_cast<std::int64_t>(expected.size()) - 1)->checkBox()->click();
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), (GetParam().segment == 0 ? Strings{} : Strings{"open", "done"}));
}

INSTANTIATE_TEST_SUITE_P(Popover, StoredCategory,
                         ::testing::Values(SwitcherCase{"toDo", 0, 0}, SwitcherCase{"all", 1, 1},
                                           SwitcherCase{"outOfRange", 7, 1}, SwitcherCase{"negative", -1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The panel or a reloaded file may store the other category while the popover keeps its segment: what a row
// shows and what its check box changes must still be the same item.
TEST_F(PopoverTest, ACategoryStoredElsewhereIsFollowedWhenShownAndNeverSplitsRowsFromClicks) {
    storeItems({storedItem("done", true), storedItem("open", false)});
    start();
    defaults.setInteger(keys::switcherKey, 1);
    controller->redizadoTableView()->reloadData();
    EXPECT_EQ(shownTitles(), Strings{"open"});
    center.postNotificationName(notifications::popoverWillBecomeVisible, nullptr);
    EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), 1);
    EXPECT_EQ(shownTitles(), (Strings{"done", "open"}));
    cellAt(0)->checkBox()->click();
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), (Strings{"done", "open"}));
    storeItems({storedItem("x", true), storedItem("y", false)});
    defaults.setInteger(keys::switcherKey, 0);
    controller->retrieveData();
    EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), 0);
    EXPECT_EQ(shownTitles(), Strings{"y"});
}

TEST_F(PopoverTest, AFlagChangeDropsKeysItDoesNotKnowATitleChangeKeepsThem) {
    const Date created = now();
    Dictionary item = *storedItem("a", false, created).get<Dictionary>();
    item.insert_or_assign("Colour", Value("blue"));
    storeItems({Value(item)});
    defaults.setInteger(keys::switcherKey, 1);
    start();
    controller->list().enterEditMode();
    rename(0, QStringLiteral("b"));
    const auto stored = [&] { return *storedList().at(0).get<Dictionary>(); };
    EXPECT_EQ(stored().count("Colour"), 1u);
    controller->list().enterEditMode();
    cellAt(0)->checkBox()->click();
    const Dictionary checked = stored();
    EXPECT_EQ(checked.size(), 3u);
    EXPECT_EQ(titleOf(checked), "b");
    EXPECT_TRUE(checked.at(keys::jotlingChecked).boolValue());
    EXPECT_EQ(*checked.at(keys::jotlingCreatedDate).get<Date>(), created);
}

// Items a hand edit left without a date are still told apart.
TEST_F(PopoverTest, ItemsWithoutADateAreNotMistakenForEachOther) {
    const auto undated = [](const char* title) {
        return Value(Dictionary{{keys::jotlingTitle, Value(title)}, {keys::jotlingChecked, Value(false)}});
    };
    storeItems({undated("x"), undated("y"), undated("z")});
    start();
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(titles(controller->toDoRedizadoArray()), (Strings{"x", "z"}));
    controller->list().enterEditMode();
    cellAt(1)->removeButton()->click();
    EXPECT_EQ(storedTitles(), (Strings{"x", "y"}));
}

TEST_F(PopoverTest, LeavingTheEntryFieldAddsItsTextAndHideAfterEntryAsksToBeDismissed) {
    start();
    controller->jotlingField()->setText(QStringLiteral("typed"));
    controller->textShouldEndEditing(controller->jotlingField());
    EXPECT_EQ(titles(controller->redizadoArray()), (Strings{"typed", "Welcome"}));

    defaults.setBool(keys::hideAfterEntry, true);
    std::vector<bool> enabledDuringPosts;
    center.addObserver(notifications::popoverShouldBeDismissed, nullptr,
                       [&](const auto&) { enabledDuringPosts.push_back(controller->jotlingField()->isEnabled()); });
    add(QStringLiteral("bread"));
    EXPECT_EQ(enabledDuringPosts, std::vector{false});
    EXPECT_TRUE(controller->jotlingField()->isEnabled());
}

TEST_F(PopoverTest, ShowingAgainLeavesTheSettingsPaneAndEditModeAndFocusesTheField) {
    start();
    controller->view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller->view()));
    widgets().editButton->click();
    widgets().settingsButton->click();
    ASSERT_TRUE(widgets().table->isHidden());
    EXPECT_FALSE(widgets().settingsPane->isHidden());
    center.postNotificationName(notifications::popoverWillBecomeVisible, nullptr);
    EXPECT_EQ(widgets().editButton->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(widgets().editButton->isChecked());
    EXPECT_FALSE(widgets().settingsButton->isChecked());
    EXPECT_FALSE(widgets().table->isHidden());
    EXPECT_TRUE(widgets().settingsPane->isHidden());
    center.postNotificationName(notifications::popoverVisible, nullptr);
    EXPECT_TRUE(controller->jotlingField()->hasFocus());
}
