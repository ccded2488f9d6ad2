// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListCore.h"

#include "Announcer.h"
#include "ControlState.h"
#include "GroupAccessible.h"
#include "JLRedizadoTableViewCell.h"
#include "JLSegmentedControl.h"
#include "JLTextField.h"
#include "ListItems.h"
#include "PanelPalette.h"
#include "PreferencesKeys.h"
#include "RowAccessible.h"
#include "UserDefaults.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <utility>

namespace {
// A title as long as a whole file is still one item; the field must not cut it short.
constexpr int entryFieldMaxLength = 16 * 1024 * 1024;
} // namespace

ListCore::ListCore(ListItems& items, UserDefaults& defaults, const ListWidgets& widgets, RowStyle style,
                   QObject* parent)
    : QObject(parent), m_items(items), m_defaults(defaults), m_widgets(widgets), m_style(style) {
    JLTableView* table = m_widgets.table;
    m_widgets.entryField->setMaxLength(entryFieldMaxLength);
    table->setDataSource(this);
    table->setDelegate(this);
    table->registerTemplate(QString::fromLatin1(JLRedizadoTableViewCell::identifier),
                            &JLRedizadoTableViewCell::makeWithOwner);
    // The settings pane takes the table's place exactly while the table is hidden, however it got hidden.
    table->installEventFilter(this);
    m_widgets.settingsPane->setHidden(true);
    // As solid as the list it stands in for: the body's slight translucency would let windows behind show.
    m_widgets.settingsPane->setBackgroundRole(QPalette::Base);
    m_widgets.settingsPane->setAutoFillBackground(true);
    keepCheckBoxesOutlined(m_widgets.settingsPane);
    exposeAsGroup(m_widgets.settingsPane, tr("Settings"));
    installRowAccessibility();
    trackRowsForAccessibility(*table, this);
    connect(table, &JLTableView::cellsLaidOut, this, &ListCore::orderTabStops);
    // Beside the table, so that it is heard while the settings pane stands in for the table.
    m_announcer = new Announcer(table->parentWidget());

    connect(m_widgets.entryField, &QLineEdit::returnPressed, this, &ListCore::createNewJotling);
    connect(m_widgets.categorySwitcher, &JLSegmentedControl::segmentClicked, this, &ListCore::switchCategories);
    connect(m_widgets.editButton, &QPushButton::clicked, this, &ListCore::enterEditMode);
    connect(m_widgets.settingsButton, &QPushButton::clicked, this, &ListCore::showSettings);
    connect(m_widgets.hideAfterEntryCheckBox, &QCheckBox::clicked, this, &ListCore::toggleHideAfterEntry);
}

ListCore::~ListCore() {
    if (m_center)
        m_center->removeObserver(m_countObserver);
}

void ListCore::showToDoCount() {
    const std::int64_t count = m_items.count(true);
    m_widgets.categorySwitcher->setCount(0, count);
    // What a reader says as the panel opens: whose it is and how much there is to do.
    m_widgets.table->window()->setAccessibleName(
        tr("Redizado, %n to do", nullptr, static_cast<int>(std::min<std::int64_t>(count, INT_MAX))));
}

void ListCore::followToDoCount(NotificationCenter& center) {
    showToDoCount();
    if (std::exchange(m_countFollowed, true))
        return;
    connect(m_widgets.table, &JLTableView::cellsLaidOut, this, &ListCore::showToDoCount);
    m_center = &center;
    m_countObserver =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](const auto&) { showToDoCount(); });
}

bool ListCore::inTodoCategory() const {
    return m_widgets.categorySwitcher->selectedSegment() == 0;
}

std::int64_t ListCore::rowCount() const {
    return m_items.count(inTodoCategory());
}

bool ListCore::holdsRow(std::int64_t row) const {
    return row >= 0 && row < rowCount();
}

std::int64_t ListCore::itemRow(std::int64_t tableRow) const {
    if (tableRow < 0 || tableRow >= static_cast<std::int64_t>(m_rowKeys.size()))
        return -1;
    const bool todo = inTodoCategory();
    const ListItems::ItemKey& key = m_rowKeys[static_cast<std::size_t>(tableRow)];
    // Most often the list still holds it in that row.
    if (holdsRow(tableRow) && m_items.keyAt(tableRow, todo) == key)
        return tableRow;
    return m_items.rowOf(key, todo);
}

// The table asks for the count whenever it takes the list's rows as they are now: the rows' items are noted then.
std::int64_t ListCore::numberOfRowsInTableView(JLTableView&) {
    m_rowKeys = m_items.keys(inTodoCategory());
    return static_cast<std::int64_t>(m_rowKeys.size());
}

// Only the row that came or went is noted again: at 100,000 items, looking at every item would take frames.
std::int64_t ListCore::numberOfRowsAfterChange(JLTableView& tableView, std::int64_t row, int change) {
    const std::int64_t count = rowCount();
    const auto noted = static_cast<std::int64_t>(m_rowKeys.size());
    const bool inserted = change == 1 && row >= 0 && row <= noted;
    const bool removed = change == -1 && row >= 0 && row < noted;
    if (noted + change != count || !(inserted || removed))
        return numberOfRowsInTableView(tableView);
    const auto at = m_rowKeys.begin() + static_cast<std::ptrdiff_t>(row);
    if (inserted)
        m_rowKeys.insert(at, m_items.keyAt(row, inTodoCategory()));
    else
        m_rowKeys.erase(at);
    return count;
}

double ListCore::heightOfRow(JLTableView&, std::int64_t row) {
    const auto title = holdsRow(row) ? m_items.titleAt(row, inTodoCategory()) : std::nullopt;
    return m_style.rowHeight(title, m_widgets.table->viewport()->width());
}

QWidget* ListCore::viewForRow(JLTableView&, std::int64_t row) {
    const bool todo = inTodoCategory();
    const bool held = holdsRow(row);
    const QString title = held ? m_items.titleAt(row, todo).value_or(QString()) : QString();
    // After a reload an item still in sight keeps its cell, and so stays the same row to a screen reader.
    const auto showsTitle = [&title](const QWidget* shown) {
        const auto* cell = qobject_cast<const JLRedizadoTableViewCell*>(shown);
        return cell && cell->titleLabel()->stringValue() == title;
    };
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(m_widgets.table->makeViewWithIdentifier(
        QString::fromLatin1(JLRedizadoTableViewCell::identifier), this, showsTitle));
    if (!cell)
        return nullptr;
    cell->titleLabel()->setStringValue(title);
    cell->checkBox()->setChecked(held && m_items.isCheckedAt(row, todo));
    const bool editing = inEditMode();
    cell->titleLabel()->setEditable(editing);
    setAlphaValue(*cell->removeButton(), editing ? 1.0 : 0.0);
    cell->removeButton()->setEnabled(editing);
    // Never disabled: in edit mode the check box is only see-through.
    setAlphaValue(*cell->checkBox(), editing ? 0.0 : 1.0);
    rowFilled(cell);
    return cell;
}

void ListCore::createNewJotling() {
    QLineEdit* field = m_widgets.entryField;
    const QString text = field->text();
    if (text.isEmpty())
        return;
    // Emptied first, so a second signal of the same Return finds nothing to add.
    field->setText(QString());
    m_items.add(text);
    //: %1 is the item's title
    announce(tr("Added: %1").arg(spokenTitle(text)));
    if (m_style.added == JLTableView::Animation::None)
        m_widgets.table->reloadData();
    else
        m_widgets.table->insertRows(0, m_style.added);
    if (m_defaults.boolForKey(keys::hideAfterEntry))
        emit hideAfterEntryRequested();
}

void ListCore::rowButtonClicked(QWidget* sender) {
    const std::int64_t row = m_widgets.table->rowForView(sender);
    if (row < 0)
        return;
    if (tag(*sender) == JLRedizadoTableViewCell::checkBoxTag) {
        toggleEntryCompletionAtIndex(row);
        return;
    }
    // Only the remove button removes: a click from any other control of the row must not cost an item.
    if (tag(*sender) != JLRedizadoTableViewCell::removeButtonTag)
        return;
    // A title being edited is stored before its row goes.
    endTitleEditing();
    removeEntryAtIndex(row);
}

void ListCore::toggleEntryCompletionAtIndex(std::int64_t row) {
    if (row < 0 || row >= m_widgets.table->numberOfRows())
        return;
    const std::int64_t at = itemRow(row);
    if (at < 0) {
        // The item went while its row still showed: the table shows what is there now.
        m_widgets.table->reloadData();
        return;
    }
    const bool todo = inTodoCategory();
    const QString title = spokenTitle(m_items.titleAt(at, todo));
    if (!m_items.toggle(at, todo) || at != row) {
        m_widgets.table->reloadData();
        return;
    }
    // A checked item leaves the to-do list; in the full list the clicked check box already shows the change.
    if (!todo)
        return;
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(m_widgets.table->viewAtRow(row, false));
    //: %1 is the item's title
    const bool saidByNextRow = sayBeforeTheNextRow(cell, tr("Checked: %1").arg(title));
    if (cell) {
        cell->checkBox()->setChecked(true);
        if (saidByNextRow)
            keepCheckedUntold(cell);
        else
            announceRowChecked(cell);
    }
    m_widgets.table->removeRows(row, JLTableView::Animation::SlideRight);
    if (!saidByNextRow)
        //: %1 is the item's title
        announce(tr("Checked: %1").arg(title));
}

void ListCore::removeEntryAtIndex(std::int64_t row) {
    if (row < 0 || row >= m_widgets.table->numberOfRows())
        return;
    const std::int64_t at = itemRow(row);
    const QString title = at < 0 ? QString() : spokenTitle(m_items.titleAt(at, inTodoCategory()));
    if (at < 0 || !m_items.remove(at, inTodoCategory())) {
        m_widgets.table->reloadData();
        return;
    }
    //: %1 is the item's title
    QString removed = tr("Removed: %1").arg(title);
    if (!m_removalHint.isEmpty())
        removed += QLatin1String(". ") + m_removalHint;
    const bool saidByNextRow = sayBeforeTheNextRow(m_widgets.table->viewAtRow(row, false), removed);
    if (at == row)
        m_widgets.table->removeRows(row, m_style.removed);
    else
        m_widgets.table->reloadData();
    if (!saidByNextRow)
        announce(removed);
}

void ListCore::announce(const QString& message) {
    m_announcer->announce(message);
}

bool ListCore::sayBeforeTheNextRow(QWidget* leaving, const QString& message) {
    // The list has lost the row already; with the keyboard on it and a row left to land on, that row says the
    // message first, in one breath with itself, instead of two utterances cutting each other off.
    if (!leaving || !isRowMarked(leaving) || !m_widgets.table->hasFocus() || rowCount() == 0)
        return false;
    sayFirstOnMarkedRow(*m_widgets.table, message);
    return true;
}

void ListCore::entryChanged(QWidget* sender) {
    auto* label = qobject_cast<JLTextField*>(sender);
    // Rows above may have come or gone since the cell was filled: the table knows where it is now. A row that
    // has gone has no item left to rename.
    const std::int64_t row = label ? itemRow(m_widgets.table->rowForView(label)) : -1;
    if (row < 0)
        return;
    const bool todo = inTodoCategory();
    if (!m_items.rename(row, todo, label->stringValue()))
        label->setStringValue(m_items.titleAt(row, todo).value_or(QString()));
    rowRetitled(label->parentWidget());
}

// Cells are made and reused in any order, and Tab would follow that order: in edit mode it goes row by row, the
// title and then Remove, top to bottom, and on to what follows the table.
void ListCore::orderTabStops() {
    if (!inEditMode())
        return;
    QWidget* previous = m_widgets.table;
    for (QWidget* widget : m_widgets.table->cellsInSight()) {
        auto* cell = qobject_cast<JLRedizadoTableViewCell*>(widget);
        if (!cell)
            continue;
        QWidget::setTabOrder(previous, cell->titleLabel());
        QWidget::setTabOrder(cell->titleLabel(), cell->removeButton());
        previous = cell->removeButton();
    }
}

void ListCore::endTitleEditing() {
    QWidget* table = m_widgets.table;
    for (QWidget* w = table->window()->focusWidget(); w && w != table; w = w->parentWidget()) {
        if (auto* label = qobject_cast<JLTextField*>(w)) {
            label->clearFocus();
            return;
        }
    }
}
