// SPDX-License-Identifier: GPL-3.0-or-later
// The panel as a keyboard-only user meets it, where the reading on the bus does not reach.
#include "PanelFixture.h"

#include <QAccessible>

// Another writer's change reaches no row of the to-do list shown, only the count the store posts.
TEST_F(KeyboardPanelTest, TheToDoSegmentFollowsTheCountTheStorePostsWithoutATableUpdate) {
    add({"a", "b", "c"});
    manager->completeEntry(true, 0, true);
    EXPECT_EQ(widgets().categorySwitcher->segmentButton(0)->text().toStdString(), "To Do (2)");
}

// A row's check box and remove button take no focus from a click: the typing in the entry field stays.
TEST_F(KeyboardPanelTest, ClickingARowsButtonsLeavesTheTypingInTheEntryField) {
    storeItems({storedItem("b"), storedItem("a")}); // rows in place, not sliding in
    startPanel();
    activate();
    widgets().entryField->setFocus();
    widgets().entryField->setText(QStringLiteral("typed"));
    const auto click = [this](QWidget* widget) {
        QTest::mouseClick(view()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(view(), widget->rect().center()));
    };
    widgets().editButton->click();
    click(cellAt(1)->removeButton());
    widgets().editButton->click();
    click(cellAt(0)->checkBox());
    EXPECT_EQ(stored(), "b*");
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
    EXPECT_EQ(widgets().entryField->text(), QStringLiteral("typed"));
}

// The settings pane is a group a reader names as the focus enters it, not a nameless filler it passes over.
TEST_F(PanelTest, TheSettingsPaneIsAGroupNamedSettings) {
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(panel->settingsPane());
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->role(), QAccessible::Grouping);
    EXPECT_EQ(pane->text(QAccessible::Name), QStringLiteral("Settings"));
}
