// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableAccessible.h"

#include "AccessibleFactory.h"
#include "JLTableView.h"

#include <algorithm>

void installTableAccessibility() {
    installAccessibleFactory<JLTableView, JLTableViewAccessible>();
}

JLTableViewAccessible::JLTableViewAccessible(JLTableView* table) : QAccessibleWidget(table, QAccessible::List) {}

JLTableView* JLTableViewAccessible::table() const {
    return static_cast<JLTableView*>(widget());
}

void* JLTableViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State JLTableViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    // With the keyboard on a row, the row has the focus and the list around it does not.
    if (state.focused && focusChild())
        state.focused = false;
    return state;
}

int JLTableViewAccessible::childCount() const {
    return static_cast<int>(table()->cellsInSight().size());
}

QAccessibleInterface* JLTableViewAccessible::child(int index) const {
    const std::vector<QWidget*> cells = table()->cellsInSight();
    if (index < 0 || index >= static_cast<int>(cells.size()))
        return nullptr;
    return QAccessible::queryAccessibleInterface(cells[static_cast<std::size_t>(index)]);
}

int JLTableViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    const std::vector<QWidget*> cells = table()->cellsInSight();
    const auto found = std::find(cells.begin(), cells.end(), child->object());
    return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
}

QAccessibleInterface* JLTableViewAccessible::childAt(int x, int y) const {
    for (QWidget* cell : table()->cellsInSight()) {
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(cell);
        if (row && row->rect().contains(x, y))
            return row;
    }
    return nullptr;
}

QAccessibleInterface* JLTableViewAccessible::focusChild() const {
    for (QWidget* cell : table()->cellsInSight()) {
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(cell);
        if (row && row->state().focused)
            return row;
    }
    return nullptr;
}

QAccessibleInterface* JLTableViewAccessible::cellAt(int row, int column) const {
    if (column != 0)
        return nullptr;
    QWidget* cell = table()->viewAtRow(row, false);
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
}

int JLTableViewAccessible::rowCount() const {
    return static_cast<int>(table()->numberOfRows());
}

JLTableCellAccessible::JLTableCellAccessible(QWidget* cell, QAccessible::Role role) : QAccessibleWidget(cell, role) {}

void* JLTableCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

JLTableView* JLTableCellAccessible::tableView() const {
    for (QWidget* w = widget()->parentWidget(); w; w = w->parentWidget())
        if (auto* table = qobject_cast<JLTableView*>(w))
            return table;
    return nullptr;
}

QAccessibleInterface* JLTableCellAccessible::parent() const {
    JLTableView* table = tableView();
    return table ? QAccessible::queryAccessibleInterface(table) : QAccessibleWidget::parent();
}

int JLTableCellAccessible::rowIndex() const {
    JLTableView* table = tableView();
    return table ? static_cast<int>(table->rowForView(widget())) : -1;
}

QAccessibleInterface* JLTableCellAccessible::table() const {
    JLTableView* table = tableView();
    return table ? QAccessible::queryAccessibleInterface(table) : nullptr;
}
