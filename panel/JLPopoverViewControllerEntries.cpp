// SPDX-License-Identifier: GPL-3.0-or-later
// The popover controller's changes to its lists: adding, checking, removing and renaming items.
#include "JLPopoverViewController.h"

#include "ControlState.h"
#include "JLRedizadoTableViewCell.h"
#include "JLTextField.h"
#include "PopoverEntry.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"
#include "ui_PopoverPanel.h"

#include <QCheckBox>

#include <algorithm>

using namespace plist_value;

namespace {
using Entries = JLPopoverViewController::Entries;

Entries::iterator findSameItem(Entries& list, const JLPopoverViewController::Entry& entry) {
    return std::find_if(list.begin(), list.end(), [&](const auto& e) { return popover_entry::sameItem(e, entry); });
}

// A change of the flag keeps only the three item keys.
JLPopoverViewController::Entry withFlag(const Dictionary& entry, bool checked) {
    const auto title = entry.find(keys::jotlingTitle);
    Date date = popover_entry::createdDate(entry);
    return popover_entry::make(title != entry.end() ? title->second : Value(std::string()), checked,
                               date ? std::move(date) : now());
}
} // namespace

void JLPopoverViewController::createNewJotling(QObject*) {
    newJotling();
}

bool JLPopoverViewController::textShouldEndEditing(QObject*) {
    newJotling();
    return true;
}

void JLPopoverViewController::newJotling() {
    QLineEdit* field = m_ui->jotlingField;
    const QString text = field->text();
    if (text.isEmpty())
        return;
    // Emptied first, so the second signal of the same Return finds nothing to add.
    field->setText(QString());
    m_redizadoArray.insert(m_redizadoArray.begin(), popover_entry::make(text.toStdString(), false, now()));
    filterRedizado(m_redizadoArray);
    trackToDoCount();
    m_ui->redizadoTableView->reloadData();
    if (m_defaults.boolForKey(keys::hideAfterEntry)) {
        field->setEnabled(false);
        m_center.postNotificationName(notifications::popoverShouldBeDismissed, this);
        field->setEnabled(true);
    }
}

void JLPopoverViewController::rowButtonClicked(QWidget* sender) {
    JLTableView* table = m_ui->redizadoTableView;
    const std::int64_t row = table->rowForView(sender);
    if (row < 0)
        return;
    if (tag(*sender) == 1) {
        toggleCheckOfEntryAtIndex(row);
        return;
    }
    // A title being edited is stored before its row goes.
    if (QWidget* cell = table->viewAtRow(row, false))
        if (QWidget* focused = cell->window()->focusWidget())
            focused->clearFocus();
    removeEntryAtIndex(row);
}

void JLPopoverViewController::toggleCheckOfEntryAtIndex(std::int64_t row) {
    if (showsFullList()) {
        if (row < 0 || row >= static_cast<std::int64_t>(m_redizadoArray.size()))
            return;
        Entry& entry = m_redizadoArray[static_cast<std::size_t>(row)];
        entry = withFlag(*entry, !popover_entry::isChecked(*entry));
        filterRedizado(m_redizadoArray);
        // The clicked check box already shows the new state.
    } else {
        if (row < 0 || row >= static_cast<std::int64_t>(m_toDoRedizadoArray.size()))
            return;
        const Entry& entry = m_toDoRedizadoArray[static_cast<std::size_t>(row)];
        checkEntryInAllRedizado(row, !popover_entry::isChecked(*entry));
        filterRedizado(m_redizadoArray);
        m_ui->redizadoTableView->removeRows(row, JLTableView::Animation::SlideRight);
    }
    trackToDoCount();
}

const Entries& JLPopoverViewController::checkEntryInAllRedizado(std::int64_t row, bool check) {
    if (row < 0 || row >= static_cast<std::int64_t>(m_toDoRedizadoArray.size()))
        return m_redizadoArray;
    const Entry todo = m_toDoRedizadoArray[static_cast<std::size_t>(row)];
    for (Entry& entry : m_redizadoArray)
        if (popover_entry::sameItem(entry, todo))
            entry = withFlag(*entry, check);
    return m_redizadoArray;
}

void JLPopoverViewController::removeEntryAtIndex(std::int64_t row) {
    const Entry entry = currentDictionaryAtIndex(row);
    const auto found = findSameItem(m_redizadoArray, entry);
    if (found == m_redizadoArray.end())
        return;
    m_redizadoArray.erase(found);
    filterRedizado(m_redizadoArray);
    m_ui->redizadoTableView->removeRows(row, JLTableView::Animation::Gap);
    trackToDoCount();
}

void JLPopoverViewController::entryChanged(QWidget* sender) {
    auto* label = qobject_cast<JLTextField*>(sender);
    if (!label)
        return;
    // Rows above may have gone since the cell was filled: ask the table where it is now.
    const std::int64_t shownAt = m_ui->redizadoTableView->rowForView(label);
    if (shownAt >= 0)
        setTag(*label, shownAt);
    const std::int64_t row = tag(*label);
    const Entry entry = currentDictionaryAtIndex(row);
    if (!entry)
        return;
    const QString text = label->stringValue();
    const std::optional<QString> old = popover_entry::title(*entry);
    if (text.isEmpty()) {
        // Ignored: the row shows the title the item keeps.
        label->setStringValue(old.value_or(QString()));
        return;
    }
    if (old && text == *old)
        return;
    auto renamed = std::make_shared<Dictionary>(*entry);
    renamed->insert_or_assign(keys::jotlingTitle, Value(text.toStdString()));
    if (showsFullList()) {
        m_redizadoArray[static_cast<std::size_t>(row)] = std::move(renamed);
    } else {
        const auto found = findSameItem(m_redizadoArray, entry);
        if (found == m_redizadoArray.end())
            return;
        *found = std::move(renamed);
    }
    filterRedizado(m_redizadoArray);
    saveData();
}

const Entries& JLPopoverViewController::filterRedizado(const Entries& list) {
    Entries todo;
    std::copy_if(list.begin(), list.end(), std::back_inserter(todo),
                 [](const Entry& entry) { return popover_entry::isToDo(*entry); });
    m_toDoRedizadoArray = std::move(todo);
    return m_toDoRedizadoArray;
}

void JLPopoverViewController::trackToDoCount() {
    // Stored before the post: observers read the count back from the store. The list follows the post.
    m_defaults.setInteger(keys::toDoCountKey, static_cast<std::int64_t>(m_toDoRedizadoArray.size()));
    m_defaults.synchronize();
    m_center.postNotificationName(notifications::toDoCountChanged, this);
    saveData();
}

void JLPopoverViewController::saveData() {
    Array array;
    array.reserve(m_redizadoArray.size());
    for (const Entry& entry : m_redizadoArray)
        array.emplace_back(*entry);
    m_defaults.setObject(keys::allRedizado, Value(std::move(array)));
    m_defaults.synchronize();
}
