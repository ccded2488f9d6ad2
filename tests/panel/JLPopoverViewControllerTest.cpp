// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

using namespace plist_value;

namespace {
class PopoverTest : public ListFixture, public ::testing::Test {};
} // namespace

TEST_F(PopoverTest, TheFirstStartOnAnEmptyStoreSeedsOneWelcomeItem) {
    startPopover();
    EXPECT_EQ(stored(), "Welcome");
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
    startPopover();
    EXPECT_EQ(stored(), "milk bread*");
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    EXPECT_TRUE(defaults.boolForKey(keys::loadKeyPopover));
    EXPECT_EQ(shownTitles(), (Strings{"milk", "bread"}));
}

TEST_F(PopoverTest, AStoredListIsFilteredAndUnreadableElementsAreSkipped) {
    Dictionary noFlag{{keys::jotlingTitle, Value("no flag")}, {keys::jotlingCreatedDate, Value(now())}};
    storeItems({storedItem("a", false), Value("not an item"), Value(noFlag), storedItem("b", true)});
    startPopover();
    EXPECT_EQ(shownTitles(), Strings{"a"});
    switchTo(1);
    EXPECT_EQ(shownTitles(), (Strings{"a", "no flag", "b"}));
}

namespace {
// When the popover reads the stored category: as it starts, or later, when it shows or reads the file again,
// after the panel or a reloaded file chose another one.
enum class Read { AtStart, WhenShown, FromFile };
struct CategoryCase {
    const char* name;
    Read read;
    std::int64_t stored;
    int segment;
};

class StoredCategory : public PopoverTest, public ::testing::WithParamInterface<CategoryCase> {};
} // namespace

// Rows counted, rows shown and rows clicked come from the same list, whatever was stored.
TEST_P(StoredCategory, SelectsTheSegmentTheRowsAreReadFrom) {
    const CategoryCase& c = GetParam();
    const Array items{storedItem("open", false), storedItem("done", true)};
    storeItems(c.read == Read::FromFile ? Array{storedItem("stale")} : items);
    defaults.setInteger(keys::switcherKey, c.read == Read::AtStart ? c.stored : 1 - c.segment);
    startPopover();
    storeItems(items);
    defaults.setInteger(keys::switcherKey, c.stored);
    if (c.read == Read::WhenShown)
        center.postNotificationName(notifications::popoverWillBecomeVisible, nullptr);
    else if (c.read == Read::FromFile)
        popover->retrieveData();
    EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), c.segment);
    const Strings expected = c.segment == 0 ? Strings{"open"} : Strings{"open", "done"};
    EXPECT_EQ(shownTitles(), expected);
    EXPECT_EQ(table()->numberOfRows(), static_cast<std::int64_t>(expected.size()));
    cellAt(static_cast<std::int64_t>(expected.size()) - 1)->checkBox()->click();
    EXPECT_EQ(stored(), c.segment == 0 ? "open* done*" : "open done");
}

INSTANTIATE_TEST_SUITE_P(Popover, StoredCategory,
                         ::testing::Values(CategoryCase{"toDo", Read::AtStart, 0, 0},
                                           CategoryCase{"all", Read::AtStart, 1, 1},
                                           CategoryCase{"outOfRange", Read::AtStart, 7, 1},
                                           CategoryCase{"negative", Read::AtStart, -1, 1},
                                           CategoryCase{"allWhenShown", Read::WhenShown, 1, 1},
                                           CategoryCase{"toDoWhenShown", Read::WhenShown, 0, 0},
                                           CategoryCase{"toDoFromFile", Read::FromFile, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PopoverTest, AFlagChangeDropsKeysItDoesNotKnowATitleChangeKeepsThem) {
    const Date created = now();
    Dictionary item = *storedItem("a", false, created).get<Dictionary>();
    item.insert_or_assign("Colour", Value("blue"));
    storeItems({Value(item)});
    defaults.setInteger(keys::switcherKey, 1);
    startPopover();
    const auto first = [this] {
        return *defaults.objectForKey(keys::allRedizado)->get<Array>()->at(0).get<Dictionary>();
    };
    list().enterEditMode();
    rename(0, QStringLiteral("b"));
    EXPECT_EQ(first().count("Colour"), 1u);
    list().enterEditMode();
    cellAt(0)->checkBox()->click();
    EXPECT_EQ(first().size(), 3u);
    EXPECT_EQ(stored(), "b*");
    EXPECT_EQ(*first().at(keys::jotlingCreatedDate).get<Date>(), created);
}

// Items a hand edit left without a date are still told apart.
TEST_F(PopoverTest, ItemsWithoutADateAreNotMistakenForEachOther) {
    const auto undated = [](const char* title) {
        return Value(Dictionary{{keys::jotlingTitle, Value(title)}, {keys::jotlingChecked, Value(false)}});
    };
    storeItems({undated("x"), undated("y"), undated("z")});
    startPopover();
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(shownTitles(), (Strings{"x", "z"}));
    list().enterEditMode();
    cellAt(1)->removeButton()->click();
    EXPECT_EQ(stored(), "x y*");
}

TEST_F(PopoverTest, LeavingTheEntryFieldAddsItsText) {
    startPopover();
    popover->jotlingField()->setText(QStringLiteral("typed"));
    popover->textShouldEndEditing(popover->jotlingField());
    EXPECT_EQ(stored(), "typed Welcome");
}

// The field is off while the dismissal runs, so the focus it loses adds nothing twice.
TEST_F(PopoverTest, HideAfterEntryAsksToBeDismissedWithTheFieldOff) {
    defaults.setBool(keys::hideAfterEntry, true);
    startPopover();
    std::vector<bool> enabledDuringPosts;
    center.addObserver(notifications::popoverShouldBeDismissed, nullptr,
                       [&](const auto&) { enabledDuringPosts.push_back(popover->jotlingField()->isEnabled()); });
    add(QStringLiteral("bread"));
    EXPECT_EQ(enabledDuringPosts, std::vector{false});
    EXPECT_TRUE(popover->jotlingField()->isEnabled());
}

TEST_F(PopoverTest, ShowingAgainLeavesTheSettingsPaneAndEditModeAndFocusesTheField) {
    startPopover();
    activate();
    widgets().editButton->click();
    widgets().settingsButton->click();
    center.postNotificationName(notifications::popoverWillBecomeVisible, nullptr);
    EXPECT_FALSE(list().inEditMode());
    EXPECT_FALSE(widgets().editButton->isChecked());
    EXPECT_FALSE(widgets().settingsButton->isChecked());
    EXPECT_FALSE(table()->isHidden());
    center.postNotificationName(notifications::popoverVisible, nullptr);
    EXPECT_TRUE(popover->jotlingField()->hasFocus());
}
