// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"
#include "WaitUntil.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class Rows final : public JLTableViewDataSource, public JLTableViewDelegate {
public:
    std::vector<QString> titles;
    int cellsMade = 0;

    std::int64_t numberOfRowsInTableView(JLTableView&) override { return static_cast<std::int64_t>(titles.size()); }
    double heightOfRow(JLTableView&, std::int64_t row) override { return row % 2 ? 40 : 20; }
    QWidget* viewForRow(JLTableView& table, std::int64_t row) override {
        auto* label = qobject_cast<QLabel*>(table.makeViewWithIdentifier(QStringLiteral("row"), &table));
        label->setText(titles.at(static_cast<std::size_t>(row)));
        return label;
    }
};

class JLTableViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.resize(300, 200);
        table.setDataSource(&rows);
        table.setDelegate(&rows);
        table.registerTemplate(QStringLiteral("row"), [this](QObject*) {
            ++rows.cellsMade;
            auto* label = new QLabel;
            label->setTextFormat(Qt::PlainText);
            return label;
        });
        for (int i = 0; i < 10000; ++i)
            rows.titles.push_back(QString::number(i));
        // Shown without being asked to reload: it reads what its source holds.
        table.show();
    }
    QString textAt(std::int64_t row) { return qobject_cast<QLabel*>(table.viewAtRow(row, false))->text(); }

    Rows rows;
    JLTableView table;
};
} // namespace

TEST_F(JLTableViewTest, OnlyRowsInSightHaveCellsAndCellsAreReused) {
    EXPECT_EQ(table.numberOfRows(), 10000);
    EXPECT_EQ(table.rowHeight(0), 20);
    EXPECT_EQ(table.rowHeight(1), 40);
    // 200 pixels of 20+40 pairs: rows 0..6 are in sight.
    EXPECT_EQ(table.cellCount(), 7u);
    EXPECT_EQ(table.viewAtRow(7, false), nullptr);

    const int madeBefore = rows.cellsMade;
    table.verticalScrollBar()->setValue(3000);
    EXPECT_LE(table.cellCount(), 8u);
    EXPECT_LE(rows.cellsMade, madeBefore + 1);
    QWidget* cell = table.viewAtRow(100, false);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(table.rowForView(cell), 100);
    EXPECT_EQ(textAt(100), QStringLiteral("100"));
}

TEST_F(JLTableViewTest, InsertAndRemoveKeepRowsRightAfterTheAnimations) {
    rows.titles.insert(rows.titles.begin(), QStringLiteral("new"));
    table.insertRows(0, JLTableView::Animation::SlideLeft);
    QWidget* inserted = table.viewAtRow(0, false);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(textAt(0), QStringLiteral("new"));
    EXPECT_EQ(textAt(1), QStringLiteral("0"));
    EXPECT_TRUE(waitUntil([&] { return inserted->pos() == QPoint(0, 0); }));

    QWidget* second = table.viewAtRow(2, false);
    rows.titles.erase(rows.titles.begin() + 1);
    table.removeRows(1, JLTableView::Animation::SlideRight);
    EXPECT_EQ(table.numberOfRows(), 10000);
    EXPECT_EQ(table.rowForView(second), 1);
    EXPECT_TRUE(waitUntil([&] { return second->y() == 20; }));
    EXPECT_EQ(textAt(1), QStringLiteral("1"));

    rows.titles.erase(rows.titles.begin());
    table.removeRows(0, JLTableView::Animation::Gap);
    EXPECT_EQ(table.rowForView(second), 0);
    EXPECT_TRUE(waitUntil([&] { return second->y() == 0; }));
}
