// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelKeys.h"

#include "Announcer.h"
#include "JLJotling.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLSegmentedControl.h"
#include "JLTextField.h"
#include "PanelUndo.h"
#include "RowAccessible.h"
#include "RowMark.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <climits>

namespace {
const QKeySequence undoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence redoKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

QString keyName(const QKeySequence& keys) {
    return keys.toString(QKeySequence::NativeText);
}

bool is(const QKeyEvent& event, const QKeySequence& keys) {
    return QKeySequence(event.keyCombination()) == keys;
}
} // namespace

QString panelKeyList() {
    //: %1 to %6 are key combinations, such as Ctrl+1
    return QCoreApplication::translate("PanelKeys",
                                       "Keys:\n"
                                       "Return adds the typed item, Down goes to the list, Esc closes the panel.\n"
                                       "Up, Down, Home, End, Page Up and Page Down move on the list.\n"
                                       "Space checks or unchecks, F2 or Return renames, Delete removes.\n"
                                       "%1, %2 and %3: To Do, All, the other one.\n"
                                       "%4: settings. %5 and %6: undo and redo.")
        .arg(keyName(Qt::CTRL | Qt::Key_1), keyName(Qt::CTRL | Qt::Key_2), keyName(Qt::CTRL | Qt::Key_Tab),
             keyName(Qt::CTRL | Qt::Key_Comma), keyName(undoKeys), keyName(redoKeys));
}

PanelKeys::PanelKeys(JLRedizadoViewController& panel, PanelUndo& undo, QObject* parent)
    : QObject(parent), m_panel(panel), m_undo(undo), m_mark(std::make_unique<RowMark>(panel)) {
    installRowAccessibility();
    JLTableView* table = panel.redizadoTableView();
    table->setFocusPolicy(Qt::TabFocus);
    panel.entryField()->installEventFilter(this);
    table->installEventFilter(this);
    panel.view()->installEventFilter(this);
    for (int segment = 0; segment < 2; ++segment)
        panel.categorySwitcher()->segmentButton(segment)->installEventFilter(this);
    addShortcuts();
    addToolTips();
    connect(qApp, &QApplication::focusChanged, this, &PanelKeys::focusChanged);
    connect(&undo, &PanelUndo::jotlingChanged, this,
            [this](const std::shared_ptr<JLJotling>& jotling) { m_mark->markJotling(jotling); });
}

PanelKeys::~PanelKeys() = default;

void PanelKeys::addShortcuts() {
    QWidget* view = m_panel.view();
    const auto add = [this, view](const QKeySequence& keys, void (PanelKeys::*action)()) {
        new QShortcut(keys, view, this, action, Qt::WidgetWithChildrenShortcut);
    };
    add(Qt::CTRL | Qt::Key_Comma, &PanelKeys::toggleSettings);
    add(undoKeys, &PanelKeys::undo);
    add(redoKeys, &PanelKeys::redo);
    new QShortcut(
        Qt::CTRL | Qt::Key_1, view, this, [this] { chooseCategory(0); }, Qt::WidgetWithChildrenShortcut);
    new QShortcut(
        Qt::CTRL | Qt::Key_2, view, this, [this] { chooseCategory(1); }, Qt::WidgetWithChildrenShortcut);
    new QShortcut(
        Qt::CTRL | Qt::Key_Tab, view, this,
        [this] { chooseCategory(m_panel.categorySwitcher()->selectedSegment() == 0 ? 1 : 0); },
        Qt::WidgetWithChildrenShortcut);
}

void PanelKeys::addToolTips() {
    const auto withKeys = [](QWidget* control, const QString& keys) {
        const QString own = control->toolTip();
        control->setToolTip(own.isEmpty() ? keys : own + QLatin1Char('\n') + keys);
    };
    withKeys(m_panel.entryField(), tr("Return adds the item, Down goes to the list, Esc closes the panel"));
    withKeys(m_panel.categorySwitcher(),
             tr("%1 To Do, %2 All, %3 the other one")
                 .arg(keyName(Qt::CTRL | Qt::Key_1), keyName(Qt::CTRL | Qt::Key_2), keyName(Qt::CTRL | Qt::Key_Tab)));
    withKeys(m_panel.editButton(), tr("On the list: F2 renames, Delete removes"));
    withKeys(m_panel.settingsButton(), tr("Settings (%1)").arg(keyName(Qt::CTRL | Qt::Key_Comma)));
    withKeys(m_panel.redizadoTableView(),
             tr("Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; "
                "%1 undoes, %2 redoes")
                 .arg(keyName(undoKeys), keyName(redoKeys)));
}

bool PanelKeys::eventFilter(QObject* watched, QEvent* event) {
    QLineEdit* field = m_panel.entryField();
    JLTableView* table = m_panel.redizadoTableView();
    // What the last key had the row say first is not said again after the next.
    if (watched == table && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride))
        forgetSaidFirst(*table, table->viewAtRow(m_mark->markedRow(), false));
    if (event->type() == QEvent::ShortcutOverride && watched == field) {
        // The field keeps its own undo while it has typing to take back; after that the keys undo item changes.
        auto& key = static_cast<QKeyEvent&>(*event);
        if ((is(key, undoKeys) && !field->isUndoAvailable()) || (is(key, redoKeys) && !field->isRedoAvailable())) {
            key.ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (watched == field)
        return entryFieldKey(key);
    if (watched == table)
        return rowKey(key);
    if (watched->parent() == m_panel.categorySwitcher())
        return segmentKey(key);
    if (watched == m_panel.view() && key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        emit hideRequested();
        return true;
    }
    return false;
}

bool PanelKeys::entryFieldKey(QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier)
        return false;
    if (event.key() == Qt::Key_Escape) {
        emit hideRequested();
        return true;
    }
    if (event.key() == Qt::Key_Down && m_panel.list().rowCount() > 0) {
        m_mark->markRow(0);
        m_panel.redizadoTableView()->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

// Down goes on to the rows, as from the entry field; the other arrows move between the segments.
bool PanelKeys::segmentKey(QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier || event.key() != Qt::Key_Down || m_panel.list().rowCount() == 0)
        return false;
    m_panel.redizadoTableView()->setFocus(Qt::TabFocusReason);
    return true;
}

bool PanelKeys::rowKey(QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier)
        return false;
    const std::int64_t row = m_mark->markedRow();
    const std::int64_t count = m_panel.list().rowCount();
    switch (event.key()) {
    case Qt::Key_Up:
        if (row <= 0)
            m_panel.entryField()->setFocus(Qt::BacktabFocusReason);
        else
            m_mark->markRow(row - 1);
        return true;
    case Qt::Key_Down:
        m_mark->markRow(row + 1);
        return true;
    case Qt::Key_Home:
        m_mark->markRow(0);
        return true;
    case Qt::Key_End:
        m_mark->markRow(count - 1);
        return true;
    case Qt::Key_PageUp:
        m_mark->markRow(row - rowsPerPage(row, -1));
        return true;
    case Qt::Key_PageDown:
        m_mark->markRow(row + rowsPerPage(row, 1));
        return true;
    case Qt::Key_Space:
        checkMarkedRow();
        return true;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        startRenaming();
        return true;
    case Qt::Key_Delete:
        m_panel.removeEntryAtIndex(row);
        return true;
    case Qt::Key_Escape:
        emit hideRequested();
        return true;
    default:
        return false;
    }
}

std::int64_t PanelKeys::rowsPerPage(std::int64_t from, int direction) const {
    JLTableView* table = m_panel.redizadoTableView();
    const double page = table->viewport()->height();
    double used = 0.0;
    std::int64_t rows = 0;
    for (std::int64_t row = from + direction; row >= 0 && row < table->numberOfRows(); row += direction) {
        table->measureRows(row, row);
        used += table->rowHeight(row);
        if (used > page)
            break;
        ++rows;
    }
    return std::max<std::int64_t>(rows, 1);
}

void PanelKeys::checkMarkedRow() {
    const std::int64_t row = m_mark->markedRow();
    const auto jotling = m_panel.jotlingAtIndex(row);
    if (!jotling)
        return;
    m_panel.toggleEntryCompletionAtIndex(row);
    // A click shows the new state in the box itself; from the keyboard the row has to be told. In the to-do
    // category the row slid out instead.
    if (m_panel.jotlingAtIndex(row) != jotling)
        return;
    if (auto* cell = qobject_cast<JLRedizadoTableViewCell*>(m_panel.redizadoTableView()->viewAtRow(row, false))) {
        cell->checkBox()->setChecked(jotling->completed());
        announceRowChecked(cell);
    }
}

void PanelKeys::startRenaming() {
    const std::int64_t row = m_mark->markedRow();
    JLTableView* table = m_panel.redizadoTableView();
    if (row < 0 || row >= table->numberOfRows())
        return;
    table->scrollRowToVisible(row);
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(table->viewAtRow(row, true));
    if (!cell)
        return;
    JLTextField* label = cell->titleLabel();
    m_renamingWasEditable = label->isEditable();
    label->setEditable(true);
    m_renaming = label;
    label->setFocus(Qt::OtherFocusReason);
    label->selectAll();
}

void PanelKeys::finishRenaming() {
    // Ends a title edit still open, which stores it, before the panel changes under it.
    m_panel.list().endTitleEditing();
}

void PanelKeys::focusChanged(QWidget* old, QWidget* now) {
    JLTableView* table = m_panel.redizadoTableView();
    if (m_renaming && old == m_renaming) {
        JLTextField* label = m_renaming;
        m_renaming = nullptr;
        if (!m_renamingWasEditable)
            label->setEditable(false);
        // Return or Esc leave the focus nowhere: back to the row. A click elsewhere keeps its own.
        if (!now && label->window()->isActiveWindow() && table->isVisible()) {
            table->setFocus(Qt::OtherFocusReason); // which comes back here
            return;
        }
    }
    if (now == table && m_mark->markedRow() < 0)
        m_mark->markRow(0);
    m_mark->setShown(now == table || (m_renaming && now == m_renaming));
}

void PanelKeys::chooseCategory(int segment) {
    finishRenaming();
    m_panel.list().showList();
    JLSegmentedControl* switcher = m_panel.categorySwitcher();
    if (switcher->selectedSegment() != segment) {
        switcher->setSelectedSegment(segment);
        m_panel.list().switchCategories();
    }
    // The focus stays where the keys were pressed. On the rows, the row it is on is said again, category first;
    // elsewhere the switch is said by itself.
    const std::int64_t count = m_panel.list().rowCount();
    const int shownCount = static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
    const QString category =
        segment == 0 ? tr("To-do items, %n", nullptr, shownCount) : tr("All items, %n", nullptr, shownCount);
    JLTableView* table = m_panel.redizadoTableView();
    QWidget* row = m_mark->isShown() && table->hasFocus() ? table->viewAtRow(m_mark->markedRow(), false) : nullptr;
    const QString categoryAlone = segment == 0 ? tr("To-do items") : tr("All items");
    if (!row || !isRowMarked(row)) {
        m_panel.list().announce(category);
    } else if (Announcer::asNotification) {
        tellRowFocusedAnew(row, categoryAlone);
    } else {
        // Readers of announcements proper stay on a row told focused again and say nothing; they hear this.
        QAccessibleInterface* said = QAccessible::queryAccessibleInterface(row);
        m_panel.list().announce(
            tr("%1: %2, %3").arg(categoryAlone, said->text(QAccessible::Name), said->text(QAccessible::Description)));
    }
}

void PanelKeys::toggleSettings() {
    finishRenaming();
    m_panel.settingsButton()->click();
    QWidget* pane = m_panel.settingsPane();
    if (pane->isHidden()) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || !focused->isVisible())
            m_panel.entryField()->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    // The pane opens on its first setting, where the keyboard can go on.
    for (QWidget* w = pane->nextInFocusChain(); w != pane; w = w->nextInFocusChain()) {
        if (pane->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(pane)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void PanelKeys::undo() {
    finishRenaming();
    m_undo.undo();
}

void PanelKeys::redo() {
    finishRenaming();
    m_undo.redo();
}
