// SPDX-License-Identifier: GPL-3.0-or-later
// What the panel and the popover do alike, checked once on the list they share, for each of them.
#include "PanelFixture.h"

#include "ControlState.h"

using namespace plist_value;
using Animation = JLTableView::Animation;

namespace {
struct Variant {
    const char* name;
    bool popover;
    std::vector<Animation> addedRows; // how two new rows come in
    Animation removedRow;
    bool storesEmptiedTitle;
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.name;
}

std::vector<Animation> animations(const QSignalSpy& spy) {
    std::vector<Animation> result;
    for (const auto& arguments : spy)
        result.push_back(arguments.at(1).value<Animation>());
    return result;
}

class ListTest : public ListFixture, public ::testing::TestWithParam<Variant> {
protected:
    void start(Array items = {}) {
        storeItems(std::move(items));
        GetParam().popover ? startPopover() : startPanel();
    }
};
} // namespace

TEST_P(ListTest, ANewItemGoesOnTopUncheckedInEitherCategoryAndAnEmptyFieldAddsNothing) {
    start();
    QSignalSpy inserted(table(), &JLTableView::rowInserted);
    add(QString());
    EXPECT_EQ(stored(), "");
    add(QStringLiteral("milk"));
    switchTo(1);
    add(QStringLiteral("   "));
    EXPECT_EQ(stored(), "    milk");
    EXPECT_EQ(shownTitles(), (Strings{"   ", "milk"}));
    EXPECT_FALSE(cellAt(0)->checkBox()->isChecked());
    EXPECT_EQ(animations(inserted), GetParam().addedRows);
    EXPECT_TRUE(widgets().entryField->text().isEmpty());
    EXPECT_EQ(count(), 2);
}

TEST_P(ListTest, CheckingInToDoSlidesTheRowOutAndInAllKeepsItWhereItIs) {
    start({storedItem("c"), storedItem("b"), storedItem("a")});
    // Observers of the count find it stored with the list, in the one save of the change.
    std::string storedAtPost;
    center.addObserver(notifications::toDoCountChanged, nullptr,
                       [&](const auto&) { storedAtPost = stored() + " " + std::to_string(count()); });
    const int saves = defaults.synchronizeCount();
    QSignalSpy removed(table(), &JLTableView::rowRemoved);
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(storedAtPost, "c b* a 2");
    EXPECT_EQ(defaults.synchronizeCount(), saves + 1);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(0).toLongLong(), 1);
    EXPECT_EQ(animations(removed), std::vector{Animation::SlideRight});
    EXPECT_EQ(shownTitles(), (Strings{"c", "a"}));

    switchTo(1);
    EXPECT_TRUE(cellAt(1)->checkBox()->isChecked());
    cellAt(1)->checkBox()->click();
    cellAt(0)->checkBox()->click();
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(stored(), "c* b a");
    EXPECT_EQ(count(), 2);
    switchTo(0);
    EXPECT_EQ(shownTitles(), (Strings{"b", "a"}));
}

TEST_P(ListTest, EditModeShowsTheRemoveButtonAndHidesTheCheckBox) {
    start({storedItem("a")});
    for (const bool editing : {true, false}) {
        widgets().editButton->click();
        JLRedizadoTableViewCell* cell = cellAt(0);
        EXPECT_EQ(widgets().editButton->text(), editing ? QStringLiteral("Done") : QStringLiteral("Edit"));
        EXPECT_EQ(cell->titleLabel()->isEditable(), editing);
        EXPECT_EQ(cell->removeButton()->isEnabled(), editing);
        EXPECT_EQ(alphaValue(*cell->removeButton()), editing ? 1.0 : 0.0);
        // Never disabled, only see-through.
        EXPECT_TRUE(cell->checkBox()->isEnabled());
        EXPECT_EQ(alphaValue(*cell->checkBox()), editing ? 0.0 : 1.0);
    }
}

TEST_P(ListTest, RemovingInEitherCategoryTakesTheRowAwayAndSavesListAndCountOnce) {
    for (int segment : {0, 1}) {
        SCOPED_TRACE(segment);
        start({storedItem("c"), storedItem("b"), storedItem("a", true)});
        switchTo(segment);
        widgets().editButton->click();
        defaults.resetCounts();
        QSignalSpy removed(table(), &JLTableView::rowRemoved);
        cellAt(1)->removeButton()->click();
        EXPECT_EQ(stored(), "c a*");
        EXPECT_EQ(count(), 1);
        EXPECT_EQ(defaults.synchronizeCount(), 1);
        EXPECT_EQ(animations(removed), std::vector{GetParam().removedRow});
        EXPECT_EQ(removed.at(0).at(0).toLongLong(), 1);
    }
}

TEST_P(ListTest, RenamingAfterARemovalAboveChangesThatItemOnly) {
    start({storedItem("d"), storedItem("c", true), storedItem("b"), storedItem("a")});
    widgets().editButton->click();
    JLTextField* label = cellAt(2)->titleLabel(); // "a"
    cellAt(0)->removeButton()->click();           // "d" goes; "a" is now row 1
    ::rename(label, QStringLiteral("a2"));
    EXPECT_EQ(stored(), "c* b a2");
    EXPECT_EQ(shownTitles(), (Strings{"b", "a2"}));
}

TEST_P(ListTest, AnEmptiedTitleIsStoredOrRefusedAsTheListChooses) {
    start({storedItem("a")});
    widgets().editButton->click();
    rename(0, QString());
    EXPECT_EQ(stored(), GetParam().storesEmptiedTitle ? "" : "a");
    EXPECT_EQ(shownTitles(), GetParam().storesEmptiedTitle ? Strings{""} : Strings{"a"});
}

TEST_P(ListTest, RemovingARowStoresATitleStillBeingEdited) {
    start({storedItem("b"), storedItem("a")});
    activate();
    widgets().editButton->click();
    JLTextField* label = cellAt(1)->titleLabel();
    label->setFocus();
    label->setPlainText(QStringLiteral("a edited"));
    cellAt(0)->removeButton()->click();
    EXPECT_EQ(stored(), "a edited");
}

// The remove button takes no focus: text typed into the entry field stays there and adds nothing.
TEST_P(ListTest, RemovingARowLeavesTheEntryFieldsTypingAlone) {
    start({storedItem("b"), storedItem("a")});
    activate();
    widgets().editButton->click();
    widgets().entryField->setFocus();
    widgets().entryField->setText(QStringLiteral("typed"));
    cellAt(1)->removeButton()->click();
    EXPECT_EQ(stored(), "b");
    EXPECT_EQ(widgets().entryField->text(), QStringLiteral("typed"));
}

TEST_P(ListTest, SwitchingCategoriesStoresTheChoiceAtOnce) {
    start();
    switchTo(1);
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 1);
    const int saves = defaults.synchronizeCount();
    switchTo(0);
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 0);
    EXPECT_EQ(defaults.synchronizeCount(), saves + 1);
}

TEST_P(ListTest, TheSettingsButtonSwapsListAndPaneAndChoosingACategoryBringsTheListBack) {
    start();
    const auto expectPane = [this](bool pane) {
        EXPECT_EQ(table()->isHidden(), pane);
        EXPECT_EQ(widgets().settingsPane->isHidden(), !pane);
        EXPECT_EQ(widgets().settingsButton->isChecked(), pane);
    };
    widgets().settingsButton->click();
    expectPane(true);
    widgets().settingsButton->click();
    expectPane(false);
    widgets().settingsButton->click();
    // Even the category already chosen.
    const auto segments = widgets().categorySwitcher->findChildren<QPushButton*>();
    ASSERT_EQ(segments.size(), 2);
    QTest::mouseClick(segments[0], Qt::LeftButton);
    expectPane(false);
}

TEST_P(ListTest, HideAfterEntryIsStoredAtOnceAndAsksEachNextItemToHideTheList) {
    start();
    QSignalSpy hides(&list(), &ListCore::hideAfterEntryRequested);
    EXPECT_FALSE(widgets().hideAfterEntryCheckBox->isChecked());
    const int saves = defaults.synchronizeCount();
    widgets().hideAfterEntryCheckBox->click();
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    EXPECT_EQ(defaults.synchronizeCount(), saves + 1);
    add(QString());
    EXPECT_EQ(hides.count(), 0);
    add(QStringLiteral("closes"));
    EXPECT_EQ(hides.count(), 1);
    widgets().hideAfterEntryCheckBox->click();
    EXPECT_FALSE(defaults.boolForKey(keys::hideAfterEntry));
    add(QStringLiteral("stays"));
    EXPECT_EQ(hides.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListTest,
    ::testing::Values(
        Variant{"Panel", false, {Animation::SlideLeft, Animation::SlideLeft}, Animation::SlideRight, true},
        // The popover reads its whole table again for a new item.
        Variant{"Popover", true, {}, Animation::Gap, false}),
    [](const auto& info) { return std::string(info.param.name); });
