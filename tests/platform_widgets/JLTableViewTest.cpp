// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"
#include "WaitUntil.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <set>

namespace {
// Rows 20, 40 and 60 pixels tall in turn, taken to be 20 until measured; every measurement and cell is counted.
class Rows final : public JLTableViewDataSource, public JLTableViewDelegate {
public:
    std::multiset<std::int64_t> asked;
    int cellsMade = 0;
    std::int64_t count = 10000;

    static double heightFor(std::int64_t row) { return 20.0 * static_cast<double>(1 + row % 3); }
    std::int64_t numberOfRowsInTableView(JLTableView&) override { return count; }
    double heightOfRow(JLTableView&, std::int64_t row) override {
        asked.insert(row);
        return heightFor(row);
    }
    double estimatedRowHeight(JLTableView&) override { return 20.0; }
    QWidget* viewForRow(JLTableView& table, std::int64_t row) override {
        auto* label = qobject_cast<QLabel*>(table.makeViewWithIdentifier(QStringLiteral("row"), &table));
        label->setText(QString::number(row));
        return label;
    }
};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.resize(300, 200);
        table.setDataSource(&rows);
        table.setDelegate(&rows);
        table.registerTemplate(QStringLiteral("row"), [this](QObject*) {
            ++rows.cellsMade;
            return new QLabel;
        });
        table.show(); // without being asked to reload: it reads what its source holds
    }
    QScrollBar* bar() { return table.verticalScrollBar(); }
    // Where the row's cell is in the viewport, or nothing when it has none.
    std::optional<QRect> cellRect(std::int64_t row) {
        QWidget* cell = table.viewAtRow(row, false);
        return cell ? std::optional(cell->geometry()) : std::nullopt;
    }
    // Every row with a cell has its own height and starts where the row above it ends.
    void expectCellsMeasuredAndStacked() {
        std::optional<QRect> above;
        for (std::int64_t row = 0; row < table.numberOfRows(); ++row) {
            const auto rect = cellRect(row);
            if (rect) {
                EXPECT_EQ(rect->height(), Rows::heightFor(row)) << "row " << row;
                EXPECT_TRUE(!above || rect->top() == above->bottom() + 1) << "row " << row;
            }
            above = rect;
        }
    }
    Rows rows;
    JLTableView table;
};
} // namespace

TEST_F(TableTest, OnlyRowsInSightAreMeasuredAndHaveCellsWhichAreReused) {
    // 200 pixels of 20+40+60 rows: rows 0..5 are in sight.
    EXPECT_EQ(rows.asked, (std::multiset<std::int64_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(table.cellCount(), 6u);
    expectCellsMeasuredAndStacked();
    const int madeBefore = rows.cellsMade;
    bar()->setValue(3000);
    EXPECT_LE(rows.cellsMade, madeBefore + 1);
    for (QWidget* cell : table.cellsInSight())
        EXPECT_EQ(qobject_cast<QLabel*>(cell)->text(), QString::number(table.rowForView(cell)));
}

TEST_F(TableTest, ScrollingUpIntoRowsNotMeasuredLeavesTheRowsInSightWhereTheyWere) {
    bar()->setValue(30000);
    // A row whole in sight, below the first.
    const std::int64_t first = table.rowForView(table.viewport()->childAt(10, table.viewport()->height() / 2));
    ASSERT_GE(first, 0);
    const int before = cellRect(first)->top();
    // Each step shows a little of a row not measured yet above the others.
    for (int step = 1; step <= 5; ++step) {
        bar()->setValue(bar()->value() - 7);
        EXPECT_EQ(cellRect(first)->top(), before + 7 * step) << "step " << step;
    }
    expectCellsMeasuredAndStacked();
}

TEST_F(TableTest, ScrollingARowToVisibleShowsItWholeAtItsOwnHeight) {
    for (const std::int64_t row : {7000, 6990, 9999, 3}) {
        table.scrollRowToVisible(row);
        const auto rect = cellRect(row);
        ASSERT_TRUE(rect) << "row " << row;
        EXPECT_GE(rect->top(), 0) << "row " << row;
        EXPECT_LE(rect->bottom(), table.viewport()->height() - 1) << "row " << row;
        expectCellsMeasuredAndStacked();
    }
}

// An item added comes in from the right edge and ends in its place; a row put back without a slide is there at once.
TEST_F(TableTest, RowsSlideInAndOutOnlyWhenAskedTo) {
    ++rows.count;
    table.insertRows(0, JLTableView::Animation::SlideLeft);
    EXPECT_GT(cellRect(0)->left(), 0);
    EXPECT_TRUE(waitUntil([this] { return cellRect(0)->left() == 0; }));
    ++rows.count;
    table.insertRows(0, JLTableView::Animation::None);
    EXPECT_EQ(cellRect(0)->left(), 0);

    // One taken away with a slide leaves by the left edge; one taken away without goes at once.
    QWidget* slid = table.viewAtRow(0, false);
    --rows.count;
    table.removeRows(0, JLTableView::Animation::SlideLeft);
    EXPECT_TRUE(slid->isVisible());
    EXPECT_TRUE(waitUntil([slid] { return !slid->isVisible(); }));
    QWidget* gone = table.viewAtRow(0, false);
    --rows.count;
    table.removeRows(0, JLTableView::Animation::None);
    EXPECT_FALSE(gone->isVisible());
}
