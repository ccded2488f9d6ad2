// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class JLTableView;

// A table of cells read as a list. Its items are the rows that have a cell, top to bottom: a cell sliding out or
// waiting for reuse is no row. Through the table interface each row tells its place among all the rows, so a
// screen reader can say "2 of 3" also when only some rows are in sight.
class JLTableViewAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit JLTableViewAccessible(JLTableView* table);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 1; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Rows never show a selection.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    JLTableView* table() const;
};

// A row of such a table: its parent is the table (not the viewport the cell sits in), and it knows its row.
class JLTableCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    JLTableCellAccessible(QWidget* cell, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* parent() const override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

protected:
    // The table the cell is a row of, if it is one now.
    JLTableView* tableView() const;
};

// Makes every JLTableView read as above.
void installTableAccessibility();
