// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {
// Rows numbered from 0, 20 and 40 pixels tall in turn.
class Rows final : public JLTableViewDataSource, public JLTableViewDelegate {
public:
    int cellsMade = 0;

    std::int64_t numberOfRowsInTableView(JLTableView&) override { return 10000; }
    double heightOfRow(JLTableView&, std::int64_t row) override { return row % 2 ? 40 : 20; }
    QWidget* viewForRow(JLTableView& table, std::int64_t row) override {
        auto* label = qobject_cast<QLabel*>(table.makeViewWithIdentifier(QStringLiteral("row"), &table));
        label->setText(QString::number(row));
        return label;
    }
};
} // namespace

TEST(JLTableView, OnlyRowsInSightHaveCellsAndCellsAreReused) {
    Rows rows;
    JLTableView table;
    table.resize(300, 200);
    table.setDataSource(&rows);
    table.setDelegate(&rows);
    table.registerTemplate(QStringLiteral("row"), [&rows](QObject*) {
        ++rows.cellsMade;
        return new QLabel;
    });
    table.show(); // without being asked to reload: it reads what its source holds
    // 200 pixels of 20+40 pairs: rows 0..6 are in sight.
    EXPECT_EQ(table.cellCount(), 7u);
    const int madeBefore = rows.cellsMade;
    table.verticalScrollBar()->setValue(3000);
    EXPECT_LE(rows.cellsMade, madeBefore + 1);
    auto* cell = qobject_cast<QLabel*>(table.viewAtRow(100, false));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(table.rowForView(cell), 100);
    EXPECT_EQ(cell->text(), QStringLiteral("100"));
}
