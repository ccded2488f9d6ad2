// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

TEST_F(KeyboardPanelTest, KeysGiveTheStoredListCountHidesAndCategory) {
    const struct {
        const char* name;
        const char* given; // typed and added in this order, so the last is on top
        const char* keys;
        const char* stored; // what the store holds afterwards
        std::int64_t count;
        int hides = 0;
        int segment = 0;
        Strings shown = {}; // the rows, as shownTitles(true) gives them, when given
    } cases[] = {
        {"Home and End", "a b c", "<Down> <End> <Space> <Home> <Space>", "c* b a*", 1},
        {"Esc cancels a rename and keeps the panel", "a b", "<Down> <F2> x <Esc>", "b a", 2},
        {"Tab leaves a rename, storing it", "a", "<Down> <F2> x <Tab>", "x", 1},
        {"F2 renames, Return stores, the keys go on on the row", "a b c", "<Down> <F2> x <Return> <Down> <Space>",
         "x b* a", 2},
        {"switching stores a rename still being typed", "a", "<Down> <F2> b <Ctrl+2>", "b", 1, 0, 1},
        {"Down from the field starts on the top row", "a b", "<Down> <Up> c <Return> <Down> <Space>", "c* b a", 2},
        {"Esc in the field hides", "a", "<Esc>", "a", 1, 1},
        {"Esc on the rows hides", "a", "<Down> <Esc>", "a", 1, 1},
        {"Ctrl+Tab switches either way", "a b", "<Ctrl+Tab> <Down> <Space> <Ctrl+Tab>", "b* a", 1},
        {"Space in All ticks the row's own box", "a b", "<Ctrl+Tab> <Down> <Space>", "b* a", 1, 0, 1, {"b*", "a"}},
        // The field's own typing is undone first; once it has none, the items' changes are.
        {"Ctrl+Z on the rows marks the item it brings back", "a b c", "<Down> <Down> <Space> <Up> <Ctrl+Z> <Space>",
         "c b* a", 2},
        {"Ctrl+Z in the field undoes typing first", "a b", "<Down> <Del> <Up> q <Ctrl+Z> <Ctrl+Z> <Return>", "b a", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        storeItems({});
        defaults.setInteger(keys::switcherKey, 0);
        startPanel();
        activate();
        widgets().entryField->setFocus();
        QSignalSpy hides(panel.get(), &JLRedizadoViewController::hideRequested);
        for (const QString& title : QString::fromLatin1(c.given).split(QLatin1Char(' ')))
            press(title + QStringLiteral(" <Return>"));
        press(QString::fromLatin1(c.keys));
        EXPECT_EQ(stored(), c.stored);
        EXPECT_EQ(count(), c.count);
        EXPECT_EQ(hides.count(), c.hides);
        EXPECT_EQ(widgets().categorySwitcher->selectedSegment(), c.segment);
        if (!c.shown.empty()) {
            EXPECT_EQ(shownTitles(true), c.shown);
        }
    }
}

TEST_F(KeyboardPanelTest, TabMovesBetweenControlsAndNotThroughRows) {
    press(QStringLiteral("a <Return> b <Return>"));
    std::vector<QWidget*> visited;
    for (int i = 0; i < 8; ++i) {
        visited.push_back(QApplication::focusWidget());
        QTest::keyClick(visited.back(), Qt::Key_Tab);
        EXPECT_FALSE(qobject_cast<JLRedizadoTableViewCell*>(visited.back()->parentWidget())) << "a row's control";
    }
    const auto visits = [&visited](QWidget* widget) { return std::count(visited.begin(), visited.end(), widget); };
    EXPECT_GT(visits(table()), 0);
    EXPECT_GT(visits(widgets().editButton), 0);
    // Tab goes round: the field comes back.
    EXPECT_EQ(visits(widgets().entryField), 2);
    // Each control's tool tip tells its keys.
    EXPECT_TRUE(widgets().entryField->toolTip().contains(QStringLiteral("Down goes to the list")));
    EXPECT_TRUE(table()->toolTip().contains(QStringLiteral("F2 or Return renames")));
    EXPECT_TRUE(widgets().settingsButton->toolTip().contains(QStringLiteral("Settings (Ctrl+,)")));
}

// To do [c, a], all [c, b, a]: a title edit begun with the mouse on "a" must rename "a", not the row the other
// category shows at the same place.
TEST_F(KeyboardPanelTest, SwitchingStoresATitleEditBegunWithTheMouseOnItsOwnItem) {
    press(QStringLiteral("a <Return> b <Return> c <Return> <Down> <Down> <Space>"));
    clickIntoTitle(1);
    press(QStringLiteral("<Ctrl+A> a1 <Ctrl+2>"));
    EXPECT_EQ(stored(), "c b* a1");
}

// A rename from the keyboard leaves the title as it found it: read-only outside Edit mode, editable in it.
TEST_F(KeyboardPanelTest, ARenameFromTheKeyboardLeavesTheTitleEditableOnlyInEditMode) {
    press(QStringLiteral("a <Return> <Down> <F2> b <Return>"));
    EXPECT_FALSE(cellAt(0)->titleLabel()->isEditable());
    widgets().editButton->click();
    table()->setFocus();
    press(QStringLiteral("<F2> c <Return>"));
    EXPECT_TRUE(cellAt(0)->titleLabel()->isEditable());
    EXPECT_EQ(stored(), "c");
}

// Done takes the keyboard from a title being edited: typing must not go on into a read-only row.
TEST_F(KeyboardPanelTest, DoneTakesTheKeyboardFromTheTitleBeingEdited) {
    press(QStringLiteral("a <Return>"));
    JLTextField* label = clickIntoTitle(0);
    widgets().editButton->click();
    EXPECT_FALSE(label->hasFocus());
}

// Page Down and Page Up move by the rows the list shows at once, and back; Down on the category switcher goes on to
// the rows.
TEST_F(KeyboardPanelTest, PageKeysMoveByWhatTheListShowsAndDownLeavesTheSwitcherForTheRows) {
    // With no rows yet, Down leaves the typing in the field.
    press(QStringLiteral("<Down>"));
    EXPECT_TRUE(widgets().entryField->hasFocus());
    for (int i = 0; i < 40; ++i)
        press(QStringLiteral("t%1 <Return>").arg(i));
    press(QStringLiteral("<Down> <PgDown>"));
    const std::int64_t page = mark().markedRow();
    EXPECT_GT(page, 1);
    EXPECT_LT(page, 20);
    press(QStringLiteral("<PgDown>"));
    EXPECT_EQ(mark().markedRow(), 2 * page);
    press(QStringLiteral("<PgUp>"));
    EXPECT_EQ(mark().markedRow(), page);
    press(QStringLiteral("<PgUp> <PgUp>"));
    EXPECT_EQ(mark().markedRow(), 0);
    widgets().categorySwitcher->segmentButton(1)->setFocus();
    press(QStringLiteral("<Down>"));
    EXPECT_TRUE(table()->hasFocus());
    // The marked row, scrolled out of sight with the wheel, comes back into sight to be renamed.
    table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
    press(QStringLiteral("<F2>"));
    const QWidget* field = QApplication::focusWidget();
    ASSERT_TRUE(field);
    const QRect inView(field->mapTo(table()->viewport(), QPoint()), field->size());
    EXPECT_TRUE(table()->viewport()->rect().contains(inView));
}
