// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"
#include "RowAccessible.h"

#include <QAccessibleActionInterface>

#include <set>

namespace {
class RowMarkTest : public KeyboardPanelTest {
protected:
    void SetUp() override {
        KeyboardPanelTest::SetUp();
        add({"a", "b", "c", "d", "e"}); // rows: e d c b a
    }
    // The title of the row the drawn mark sits in.
    std::string markedCellTitle() {
        auto* cell = qobject_cast<JLRedizadoTableViewCell*>(mark().markView()->parentWidget());
        return cell && mark().markView()->isVisible() ? cell->titleLabel()->stringValue().toStdString() : "<none>";
    }
};
} // namespace

// Rows removed above the mark, or the marked row itself, slide away; the mark stays on its item, or the next.
TEST_F(RowMarkTest, TheMarkStaysOnItsItemOrTheNextWhileRowsSlideAway) {
    press(QStringLiteral("<Down> <Down> <Down>")); // "c"
    panel->removeEntryAtIndex(0);                  // "e", above it
    EXPECT_EQ(markedCellTitle(), "c");
    press(QStringLiteral("<Del>")); // "c" goes while the rows below glide up
    EXPECT_EQ(markedCellTitle(), "b");
    press(QStringLiteral("<Del>")); // and "b" before that slide ended
    EXPECT_EQ(markedCellTitle(), "a");
    press(QStringLiteral("<Del>")); // the last row: the new last is marked
    EXPECT_EQ(markedCellTitle(), "d");
    QWidget* cell = mark().markView()->parentWidget();
    ASSERT_TRUE(waitUntil([cell] { return cell->y() == 0; }));
    EXPECT_EQ(mark().markView()->geometry(), cell->rect());
    EXPECT_EQ(markedCellTitle(), "d");
    EXPECT_EQ(shownTitles(), Strings{"d"});
    // Back in the entry field no row is the focused one to a screen reader.
    QWidget* marked = mark().markView()->parentWidget();
    press(QStringLiteral("<Up>"));
    EXPECT_FALSE(isRowMarked(marked));
    press(QStringLiteral("<Down> <Del> <Del>")); // emptied, and a key more: no mark
    EXPECT_FALSE(mark().markView()->isVisible());
    press(QStringLiteral("<Up> g <Return> <Down> <Space>"));
    EXPECT_EQ(stored(), "g*");
}

// The mark follows its item across categories, new rows, and a sync that replaces the list with the item now a
// copy in another row; Space checks that copy.
TEST_F(RowMarkTest, TheMarkFollowsItsItemAcrossCategoriesNewRowsAndASyncReplacingTheList) {
    // "e" is checked, then marked in the full list, which the to-do list does not hold.
    press(QStringLiteral("<Down> <Space> <Ctrl+2> <Up> <Ctrl+1>"));
    EXPECT_EQ(markedCellTitle(), "d");
    mark().markRow(1); // "c"
    add(QStringLiteral("f"));
    EXPECT_EQ(mark().markedRow(), 2);
    mergeFromServer("c");
    EXPECT_EQ(mark().markedRow(), 3);
    EXPECT_EQ(markedCellTitle(), "c");
    press(QStringLiteral("<Space>"));
    EXPECT_EQ(stored(), "from the server f e* d c* b a");
}

// The mark is a band under the row's text, with smoothed corners: the title's ink is as dark marked as not.
TEST_F(RowMarkTest, TheTitleIsDrawnOverTheMark) {
    const auto darkestInTitle = [&] {
        const QImage image = cellAt(0)->grab().toImage();
        int darkest = 255;
        const QRect title = cellAt(0)->titleLabel()->geometry();
        for (int y = title.top(); y <= title.bottom(); ++y)
            for (int x = title.left(); x <= title.right(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        return darkest;
    };
    const int unmarked = darkestInTitle();
    press(QStringLiteral("<Down>"));
    ASSERT_EQ(markedCellTitle(), "e");
    EXPECT_EQ(darkestInTitle(), unmarked);
    // Shades between its edge and what is around it.
    const QImage mark = table()->viewport()->findChild<QWidget*>(QStringLiteral("rowMark"))->grab().toImage();
    std::set<QRgb> shades;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            shades.insert(mark.pixel(x, y));
    EXPECT_GT(shades.size(), 3u);
}

// Each Remove button says which item it removes from the row's first showing on, an empty title too; a row's
// action is its check box's click, stored and counted like one.
TEST_F(KeyboardPanelTest, ARowIsCheckableAndItsRemoveButtonAndNameSayItsItemUntitledWhenBlank) {
    startPanel({storedItem(""), storedItem("milk")});
    EXPECT_EQ(cellAt(0)->removeButton()->accessibleName(), QStringLiteral("Remove untitled item"));
    EXPECT_EQ(cellAt(1)->removeButton()->accessibleName(), QStringLiteral("Remove \u201Cmilk\u201D"));
    EXPECT_EQ(cellAt(1)->titleLabel()->accessibleName(), QStringLiteral("Title of \u201Cmilk\u201D"));
    add(QStringLiteral("   "));
    switchTo(1);
    ASSERT_EQ(shownTitles(), (Strings{"   ", "", "milk"})) << "a blank title is an item, on top";
    EXPECT_EQ(accessible(cellAt(0))->text(QAccessible::Name), QStringLiteral("Untitled item"));
    rename(2, QStringLiteral("oat milk"));
    EXPECT_EQ(cellAt(2)->removeButton()->accessibleName(), QStringLiteral("Remove \u201Coat milk\u201D"));
    QAccessibleInterface* row = accessible(cellAt(2));
    EXPECT_TRUE(row->state().checkable && row->state().focusable);
    EXPECT_FALSE(row->state().checked);
    row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(row->state().checked);
    EXPECT_EQ(count(), 2);
}
