// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowAccessible.h"

#include "AccessibleFactory.h"
#include "JLRedizadoTableViewCell.h"
#include "JLTableView.h"
#include "JLTextField.h"
#include "TableAccessible.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QVariant>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
constexpr const char* markedProperty = "redizadoMarked";
// What assistive technology was last told of a cell, and how often it was given another row.
constexpr const char* toldNameProperty = "redizadoToldName";
constexpr const char* toldCheckedProperty = "redizadoToldChecked";
constexpr const char* fillingProperty = "redizadoFilling";
// Said before the row's place while the keyboard stays on it, e.g. the category it was just switched to.
constexpr const char* leadInProperty = "redizadoLeadIn";
// On the table: said before the name of the row the keyboard is on, once the list has settled under it.
constexpr const char* saidFirstProperty = "redizadoSaidFirst";

JLTableView* tableOf(const QWidget* cell) {
    for (QWidget* w = cell ? cell->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* table = qobject_cast<JLTableView*>(w))
            return table;
    return nullptr;
}

class RowAccessible final : public JLTableCellAccessible {
public:
    // A check box, not a list item: the bus bridge drops the checkable state, so a list item that is not checked
    // says nothing of its box, where a check box is read "not checked".
    explicit RowAccessible(JLRedizadoTableViewCell* cell) : JLTableCellAccessible(cell, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            const QString leadIn = cell()->property(leadInProperty).toString();
            return leadIn.isEmpty() ? place() : leadIn + QLatin1String(", ") + place();
        }
        if (t != QAccessible::Name)
            return JLTableCellAccessible::text(t);
        const QString title = spokenTitle(cell()->titleLabel()->stringValue());
        const JLTableView* table = isRowMarked(cell()) ? tableOf(cell()) : nullptr;
        const QString first = table ? table->property(saidFirstProperty).toString() : QString();
        return first.isEmpty() ? title : first + QLatin1String(". ") + title;
    }

    QAccessible::State state() const override {
        QAccessible::State state = JLTableCellAccessible::state();
        state.checkable = true;
        state.checked = cell()->checkBox()->isChecked();
        state.focusable = true;
        // While its title is being renamed the editor has the focus, not the row.
        const QWidget* focus = QApplication::focusWidget();
        state.focused = isRowMarked(cell()) && !(focus && cell()->isAncestorOf(focus));
        return state;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction())
            cell()->checkBox()->click();
    }

private:
    JLRedizadoTableViewCell* cell() const { return static_cast<JLRedizadoTableViewCell*>(widget()); }

    // "2 of 3", read after the row: a reader says a place for list items, and Qt's bridge cannot tell it one for
    // a check box, whose state it must keep.
    QString place() const {
        QAccessibleInterface* list = table();
        const int row = rowIndex();
        if (!list || !list->tableInterface() || row < 0)
            return QString();
        const int rows = list->tableInterface()->rowCount();
        //: A row's place in the list, as in "2 of 3"; %n is the number of rows
        return QCoreApplication::translate("RowAccessible", "%1 of %n", nullptr, rows).arg(row + 1);
    }
};

// Compares the rows in sight after each layout with those told before: a row is a cell with the fill it had.
class RowTracker final : public QObject {
public:
    RowTracker(JLTableView& table, QObject* owner) : QObject(owner), m_table(&table) {
        connect(&table, &JLTableView::cellsLaidOut, this, &RowTracker::update);
    }

private:
    using Row = std::pair<QPointer<QWidget>, int>;

    static Row rowOf(QWidget* cell) { return {cell, cell->property(fillingProperty).toInt()}; }

    void update() {
        std::vector<Row> now;
        for (QWidget* cell : m_table->cellsInSight())
            now.push_back(rowOf(cell));
        for (const Row& row : m_told)
            if (row.first && std::find(now.begin(), now.end(), row) == now.end())
                tell(row.first, QAccessible::ObjectDestroyed);
        for (const Row& row : now)
            if (std::find(m_told.begin(), m_told.end(), row) == m_told.end())
                tell(row.first, QAccessible::ObjectCreated);
        m_told = std::move(now);
    }

    static void tell(QWidget* cell, QAccessible::Event type) {
        QAccessibleEvent event(cell, type);
        QAccessible::updateAccessibility(&event);
    }

    QPointer<JLTableView> m_table;
    std::vector<Row> m_told;
};

void tellChecked(QWidget* cell) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}
} // namespace

void installRowAccessibility() {
    installTableAccessibility();
    installAccessibleFactory<JLRedizadoTableViewCell, RowAccessible>();
}

QString spokenTitle(const std::optional<QString>& title) {
    // Reading out a whole file pasted as a title helps nobody; the row shows no more than this either.
    const QString start = title.value_or(QString()).left(JLTextField::shownPrefixLength);
    return start.trimmed().isEmpty() ? QCoreApplication::translate("RowAccessible", "Untitled item") : start;
}

void setRowMarked(QWidget* cell, bool marked) {
    if (!cell)
        return;
    cell->setProperty(markedProperty, marked);
    if (!marked)
        cell->setProperty(leadInProperty, QVariant());
}

bool isRowMarked(const QWidget* cell) {
    return cell && cell->property(markedProperty).toBool();
}

void tellRowFocused(QWidget* cell) {
    if (!isRowMarked(cell))
        return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void tellRowFocusedAnew(QWidget* cell, const QString& leadIn) {
    if (!isRowMarked(cell))
        return;
    cell->setProperty(leadInProperty, leadIn);
    tellRowFocused(cell);
}

void sayFirstOnMarkedRow(JLTableView& table, const QString& words) {
    table.setProperty(saidFirstProperty, words);
}

void forgetSaidFirst(JLTableView& table, QWidget* markedCell) {
    if (table.property(saidFirstProperty).toString().isEmpty())
        return;
    table.setProperty(saidFirstProperty, QVariant());
    if (markedCell) {
        QAccessibleEvent event(markedCell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void keepCheckedUntold(QWidget* cell) {
    if (cell)
        cell->setProperty(toldCheckedProperty, true);
}

void announceRowChecked(QWidget* widget) {
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(widget);
    if (!cell)
        return;
    cell->setProperty(toldCheckedProperty, cell->checkBox()->isChecked());
    tellChecked(cell);
}

void trackRowsForAccessibility(JLTableView& table, QObject* owner) {
    new RowTracker(table, owner);
}

void rowFilled(QWidget* widget) {
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(widget);
    if (!cell)
        return;
    cell->nameTitleField();
    const QString name = spokenTitle(cell->titleLabel()->stringValue());
    const bool checked = cell->checkBox()->isChecked();
    const QVariant toldName = cell->property(toldNameProperty);
    const bool renamed = toldName.toString() != name;
    const bool rechecked = cell->property(toldCheckedProperty).toBool() != checked;
    cell->setProperty(toldNameProperty, name);
    cell->setProperty(toldCheckedProperty, checked);
    if (!toldName.isValid())
        return; // never read yet: nothing to correct
    if (renamed) {
        // Another item in the same cell is another row to a screen reader.
        cell->setProperty(fillingProperty, cell->property(fillingProperty).toInt() + 1);
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (rechecked)
        tellChecked(cell);
}

void rowRetitled(QWidget* widget) {
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(widget);
    if (!cell)
        return;
    cell->nameTitleField();
    const QString name = spokenTitle(cell->titleLabel()->stringValue());
    if (cell->property(toldNameProperty).toString() == name)
        return;
    cell->setProperty(toldNameProperty, name);
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
