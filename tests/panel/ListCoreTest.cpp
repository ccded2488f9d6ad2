// SPDX-License-Identifier: GPL-3.0-or-later
// What the panel and the popover do alike, checked once on the list they share, for each of them.
#include "ControlState.h"
#include "JLJotlingManager.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PanelDriver.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace plist_value;
using Animation = JLTableView::Animation;
using Strings = std::vector<std::string>;

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

// Either controller over an in-memory store that holds the given items.
class ListTest : public ::testing::TestWithParam<Variant> {
protected:
    void start(Array items = {}) {
        defaults.setBool(keys::loadKeyPopover, true);
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
        panel.reset();
        popover.reset();
        if (GetParam().popover) {
            popover = std::make_unique<JLPopoverViewController>(defaults, center);
            popover->awakeFromNib();
        } else {
            manager = std::make_unique<JLJotlingManager>(defaults, center);
            panel = std::make_unique<JLRedizadoViewController>(defaults, *manager);
            panel->awakeFromNib();
        }
        view()->resize(320, 440);
        view()->show();
    }
    QWidget* view() { return panel ? panel->view() : popover->view(); }
    ListCore& list() { return panel ? panel->list() : popover->list(); }
    const ListWidgets& widgets() { return list().widgets(); }
    void add(const QString& title) { typeAndReturn(widgets().entryField, title); }
    void switchTo(int segment) {
        widgets().categorySwitcher->setSelectedSegment(segment);
        list().switchCategories();
    }
    JLRedizadoTableViewCell* cellAt(std::int64_t row) { return ::cellAt(widgets().table, row); }
    Strings shownTitles() { return ::shownTitles(widgets().table); }
    std::string stored() const { return storedWithMarks(defaults); }
    std::int64_t count() const { return defaults.integerForKey(keys::toDoCountKey); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    std::unique_ptr<JLJotlingManager> manager;
    std::unique_ptr<JLRedizadoViewController> panel;
    std::unique_ptr<JLPopoverViewController> popover;
};
} // namespace

TEST_P(ListTest, ANewItemGoesOnTopUncheckedInEitherCategoryAndAnEmptyFieldAddsNothing) {
    start();
    QSignalSpy inserted(widgets().table, &JLTableView::rowInserted);
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
    QSignalSpy removed(widgets().table, &JLTableView::rowRemoved);
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
    const auto expectLook = [this](bool editing) {
        JLRedizadoTableViewCell* cell = cellAt(0);
        EXPECT_EQ(widgets().editButton->text(), editing ? QStringLiteral("Done") : QStringLiteral("Edit"));
        EXPECT_EQ(cell->titleLabel()->isEditable(), editing);
        EXPECT_EQ(cell->removeButton()->isEnabled(), editing);
        EXPECT_EQ(alphaValue(*cell->removeButton()), editing ? 1.0 : 0.0);
        // Never disabled, only see-through.
        EXPECT_TRUE(cell->checkBox()->isEnabled());
        EXPECT_EQ(alphaValue(*cell->checkBox()), editing ? 0.0 : 1.0);
    };
    expectLook(false);
    widgets().editButton->click();
    expectLook(true);
    widgets().editButton->click();
    expectLook(false);
}

TEST_P(ListTest, RemovingInEitherCategoryTakesTheRowAwayAndSavesListAndCountOnce) {
    for (int segment : {0, 1}) {
        SCOPED_TRACE(segment);
        start({storedItem("c"), storedItem("b"), storedItem("a", true)});
        switchTo(segment);
        widgets().editButton->click();
        defaults.resetCounts();
        QSignalSpy removed(widgets().table, &JLTableView::rowRemoved);
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
    ::rename(widgets().table, 0, QString());
    EXPECT_EQ(stored(), GetParam().storesEmptiedTitle ? "" : "a");
    EXPECT_EQ(shownTitles(), GetParam().storesEmptiedTitle ? Strings{""} : Strings{"a"});
}

TEST_P(ListTest, RemovingARowStoresATitleStillBeingEdited) {
    start({storedItem("b"), storedItem("a")});
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
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
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
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
    widgets().settingsButton->click();
    EXPECT_TRUE(widgets().table->isHidden());
    EXPECT_FALSE(widgets().settingsPane->isHidden());
    widgets().settingsButton->click();
    EXPECT_FALSE(widgets().table->isHidden());
    EXPECT_TRUE(widgets().settingsPane->isHidden());
    widgets().settingsButton->click();
    // Even the category already chosen.
    const auto segments = widgets().categorySwitcher->findChildren<QPushButton*>();
    ASSERT_EQ(segments.size(), 2);
    QTest::mouseClick(segments[0], Qt::LeftButton);
    EXPECT_FALSE(widgets().table->isHidden());
    EXPECT_TRUE(widgets().settingsPane->isHidden());
    EXPECT_FALSE(widgets().settingsButton->isChecked());
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
