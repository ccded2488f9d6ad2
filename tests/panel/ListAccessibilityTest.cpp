// SPDX-License-Identifier: GPL-3.0-or-later
// The panel as a reader or a keyboard-only user meets it.
#include "PanelFixture.h"

// Far down a long list: the items are the rows in sight, in their order, and each says where it is among all. The
// keyboard's row scrolled out of sight is no item either.
TEST_F(KeyboardPanelTest, TheListsItemsAreTheRowsInSightEachKnowingItsPlaceAmongAll) {
    for (int i = 0; i < 40; ++i)
        add(QString::number(i));
    press(QStringLiteral("<Down>"));
    table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
    panel->removeEntryAtIndex(table()->numberOfRows() - 1); // its cell slides out: no row any more
    QAccessibleInterface* list = accessible(table());
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->rowCount(), 39);
    const std::vector<QWidget*> cells = table()->cellsInSight();
    ASSERT_EQ(list->childCount(), static_cast<int>(cells.size()));
    ASSERT_GT(cells.size(), 1u);
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* row = list->child(i);
        const std::int64_t shown = table()->rowForView(cells[static_cast<std::size_t>(i)]);
        EXPECT_EQ(row->tableCellInterface()->rowIndex(), shown);
        EXPECT_EQ(list->indexOfChild(row), i) << "a reader asks each row where it is among its siblings";
        EXPECT_EQ(row->text(QAccessible::Name), QString::number(39 - shown));
        EXPECT_EQ(row->text(QAccessible::Description), QStringLiteral("%1 of 39").arg(shown + 1));
    }
    EXPECT_GT(list->child(0)->tableCellInterface()->rowIndex(), 0) << "the first rows are out of sight";
}

// The redo of a check and the undo and redo of a rename are said with the item's title.
TEST_F(KeyboardPanelTest, TheRedoOfACheckAndTheUndoAndRedoOfARenameAreSaid) {
    add({"rent", "milk"});
    const struct {
        const char* keys;
        const char* said;
    } steps[] = {
        {"<Down> <Space> <Ctrl+Z> <Ctrl+Shift+Z>", "Redone: milk checked"},
        {"<F2> <Ctrl+A> bread <Return>", "Redone: milk checked"}, // a rename in place is heard in the row itself
        {"<Ctrl+Z>", "Undone: renamed rent"},
        {"<Ctrl+Shift+Z>", "Redone: renamed bread"},
    };
    for (const auto& step : steps) {
        press(QString::fromLatin1(step.keys));
        EXPECT_EQ(said().toStdString(), step.said) << step.keys;
    }
    // Removed elsewhere (a sync, the command line): taking its rename back changes nothing, so nothing is said.
    manager->removeEntryAtIndex(1, false);
    ASSERT_EQ(stored(), "milk*");
    press(QStringLiteral("<Ctrl+Z>"));
    EXPECT_EQ(said().toStdString(), "Redone: renamed bread");
}

// What was said before the panel last hid is not said again when it shows, and a first showing says nothing.
TEST_F(KeyboardPanelTest, ThePanelShowingAgainSaysNothingSaidBefore) {
    const Announcer& announcer = list().announcer();
    EXPECT_FALSE(announcer.isVisible());
    add({"milk"});
    press(QStringLiteral("<Down> <Space>"));
    ASSERT_FALSE(said().isEmpty());
    EXPECT_EQ(announcer.isVisible(), Announcer::asNotification);
    view()->hide();
    view()->show();
    activate();
    EXPECT_FALSE(announcer.isVisible());
    // An announcement proper is said once by its nature; a notification is kept, so it must be gone.
    if (Announcer::asNotification) {
        EXPECT_TRUE(said().isEmpty());
    }
    list().announce(QStringLiteral("next"));
    EXPECT_EQ(announcer.isVisible(), Announcer::asNotification);
    EXPECT_EQ(said(), QStringLiteral("next"));
}

// A category switch is said once: on the rows, by the row the keyboard stays on, the category before its place, until
// the keyboard moves; from the entry, by an announcement with the count.
TEST_F(KeyboardPanelTest, ACategorySwitchIsSaidByTheRowTheKeyboardIsOnOrAnnounced) {
    add({"rent", "milk"});
    press(QStringLiteral("<Down> <Space> <Ctrl+2>"));
    const QString checked = said();
    QAccessibleInterface* row = accessible(cellAt(mark().markedRow()));
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("rent"));
    if (Announcer::asNotification) {
        EXPECT_EQ(row->text(QAccessible::Description), QStringLiteral("All items, 2 of 2"));
        EXPECT_EQ(said(), checked) << "nothing announced";
    } else {
        EXPECT_EQ(said(), QStringLiteral("All items: rent, 2 of 2"));
    }
    press(QStringLiteral("<Up>"));
    EXPECT_EQ(row->text(QAccessible::Description), QStringLiteral("2 of 2")) << "said once, then forgotten";
    widgets().entryField->setFocus();
    press(QStringLiteral("<Ctrl+1>"));
    EXPECT_EQ(said(), QStringLiteral("To-do items, 1"));
    // Another writer's change reaches no row of the to-do list shown, only the count the store posts.
    manager->completeEntry(true, 0, true);
    EXPECT_EQ(widgets().categorySwitcher->segmentButton(0)->text(), QStringLiteral("To Do (0)"));
}

// A row that leaves under the keyboard is said by the row that takes its place, first and in one breath; the next
// key forgets it. With no row left to land on, or the keyboard elsewhere, it is announced.
TEST_F(KeyboardPanelTest, ARowLeavingUnderTheKeyboardIsSaidByTheNextRowFirst) {
    add({"bread", "rent", "milk"});
    QAccessibleInterface* window = accessible(view()->window());
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Redizado, 3 to do")) << "said as the panel opens";
    const QString before = said();
    press(QStringLiteral("<Down> <Space>"));
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Redizado, 2 to do"));
    QAccessibleInterface* next = accessible(cellAt(mark().markedRow()));
    EXPECT_EQ(next->text(QAccessible::Name), QStringLiteral("Checked: milk. rent"));
    EXPECT_EQ(said(), before) << "nothing announced besides";
    press(QStringLiteral("<Delete>"));
    next = accessible(cellAt(mark().markedRow()));
    EXPECT_TRUE(next->text(QAccessible::Name).startsWith(QStringLiteral("Removed: rent.")));
    EXPECT_TRUE(next->text(QAccessible::Name).endsWith(QStringLiteral(". bread")));
    press(QStringLiteral("<Space>"));
    EXPECT_EQ(said(), QStringLiteral("Checked: bread")) << "no row left to say it";
    add({"tea"});
    press(QStringLiteral("<Down> <Up>"));
    EXPECT_TRUE(said().startsWith(QStringLiteral("Added: tea")));
    cellAt(0)->checkBox()->click();
    EXPECT_EQ(said(), QStringLiteral("Checked: tea")) << "clicked, the keyboard in the entry";
}

// A row's check box and remove button take no focus from a click: the typing in the entry field stays.
TEST_F(KeyboardPanelTest, ClickingARowsButtonsLeavesTheTypingInTheEntryField) {
    startPanel({storedItem("b"), storedItem("a")}); // rows in place, not sliding in
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
