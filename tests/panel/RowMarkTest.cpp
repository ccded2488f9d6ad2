// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "WaitUntil.h"

#include <QAccessible>
#include <QPropertyAnimation>

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
    bool sliding(QWidget* cell) { return !cell->findChildren<QPropertyAnimation*>().isEmpty(); }
};
} // namespace

TEST_F(RowMarkTest, TheMarkRidesWithItsRowWhileRowsAboveSlideOut) {
    table()->setFocus();
    mark().markRow(2); // "c"
    panel->removeEntryAtIndex(0);
    EXPECT_EQ(mark().markedRow(), 1);
    EXPECT_EQ(markedCellTitle(), "c");
    QWidget* cell = mark().markView()->parentWidget();
    EXPECT_TRUE(sliding(cell)) << "the row below a removed one glides up";
    ASSERT_TRUE(waitUntil([cell] { return cell->y() == 25; }));
    EXPECT_EQ(mark().markView()->geometry(), cell->rect());
    EXPECT_EQ(markedCellTitle(), "c");
}

TEST_F(RowMarkTest, RemovingMarkedRowsInQuickSuccessionMarksEachNext) {
    press(QStringLiteral("<Down> <Down> <Down> <Del>")); // "c" goes while it slides out
    EXPECT_EQ(markedCellTitle(), "b");
    press(QStringLiteral("<Del>")); // and "b" before the first slide ended
    EXPECT_EQ(mark().markedRow(), 2);
    EXPECT_EQ(markedCellTitle(), "a");
    press(QStringLiteral("<Del>")); // the last row: the new last is marked
    EXPECT_EQ(markedCellTitle(), "d");
    ASSERT_TRUE(waitUntil([this] { return mark().markView()->parentWidget()->y() == 25; }));
    EXPECT_EQ(markedCellTitle(), "d");
    EXPECT_EQ(shownTitles(), (Strings{"e", "d"}));
}

TEST_F(RowMarkTest, TheMarkFollowsItsItemAcrossCategoriesAndNewRows) {
    press(QStringLiteral("<Down> <Space>")); // "e" checked; "d" marked
    press(QStringLiteral("<Ctrl+2>"));
    EXPECT_EQ(mark().markedRow(), 1);
    EXPECT_EQ(markedCellTitle(), "d");
    press(QStringLiteral("<Up> <Ctrl+1>")); // "e" is marked and is not in the to-do list
    EXPECT_EQ(mark().markedRow(), 0);
    EXPECT_EQ(markedCellTitle(), "d");
    mark().markRow(1); // "c"
    add(QStringLiteral("f"));
    EXPECT_EQ(mark().markedRow(), 2);
    EXPECT_EQ(mark().markedJotling()->title(), std::optional<std::string>("c"));
}

TEST_F(RowMarkTest, TheMarkShowsAndReadsAsFocusedOnlyWhileTheKeyboardIsOnTheRows) {
    const auto focused = [this](std::int64_t row) {
        return QAccessible::queryAccessibleInterface(cellAt(row))->state().focused;
    };
    press(QStringLiteral("<Down>"));
    EXPECT_TRUE(mark().markView()->isVisible());
    EXPECT_TRUE(focused(0));
    press(QStringLiteral("<Down>"));
    EXPECT_TRUE(focused(1));
    EXPECT_FALSE(focused(0));
    press(QStringLiteral("<Up> <Up>"));
    EXPECT_FALSE(mark().markView()->isVisible());
    EXPECT_EQ(mark().markedRow(), 0);
    EXPECT_FALSE(focused(0)) << "the keyboard has left the rows";
    press(QStringLiteral("<Down> <Down> <F2>"));
    EXPECT_EQ(markedCellTitle(), "d") << "a row being renamed stays marked";
}

TEST_F(RowMarkTest, EmptyingTheListLeavesNoMark) {
    press(QStringLiteral("<Down> <Del> <Del> <Del> <Del> <Del> <Del>"));
    EXPECT_EQ(mark().markedRow(), -1);
    EXPECT_FALSE(mark().markView()->isVisible());
    press(QStringLiteral("<Up> g <Return> <Down> <Space>"));
    EXPECT_EQ(manager->redizado().at(0)->completed(), true);
}
