// SPDX-License-Identifier: GPL-3.0-or-later
// The popover's items: its two lists of item dictionaries, changed and written through at once.
#include "JLPopoverViewController.h"

#include "PopoverEntry.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

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

std::int64_t JLPopoverViewController::count(bool todo) const {
    return static_cast<std::int64_t>(shownList(todo).size());
}

std::optional<QString> JLPopoverViewController::titleAt(std::int64_t row, bool todo) const {
    return popover_entry::title(*shownList(todo).at(static_cast<std::size_t>(row)));
}

bool JLPopoverViewController::isCheckedAt(std::int64_t row, bool todo) const {
    return popover_entry::isChecked(*shownList(todo).at(static_cast<std::size_t>(row)));
}

void JLPopoverViewController::add(const QString& title) {
    m_redizadoArray.insert(m_redizadoArray.begin(), popover_entry::make(title.toStdString(), false, now()));
    filterRedizado();
    trackToDoCount();
    changed();
}

void JLPopoverViewController::toggle(std::int64_t row, bool todo) {
    const Entry shown = shownList(todo).at(static_cast<std::size_t>(row));
    const bool checked = !popover_entry::isChecked(*shown);
    // From the to-do list every entry of the same item changes; from the full list the one in that row.
    if (todo) {
        for (Entry& entry : m_redizadoArray)
            if (popover_entry::sameItem(entry, shown))
                entry = withFlag(*entry, checked);
    } else {
        m_redizadoArray[static_cast<std::size_t>(row)] = withFlag(*shown, checked);
    }
    filterRedizado();
    trackToDoCount();
    changed();
}

bool JLPopoverViewController::remove(std::int64_t row, bool todo) {
    const auto found = findSameItem(m_redizadoArray, shownList(todo).at(static_cast<std::size_t>(row)));
    if (found == m_redizadoArray.end())
        return false;
    m_redizadoArray.erase(found);
    filterRedizado();
    trackToDoCount();
    changed();
    return true;
}

// An emptied title is refused; a title change copies the entry, so it keeps any other key.
bool JLPopoverViewController::rename(std::int64_t row, bool todo, const QString& title) {
    if (title.isEmpty())
        return false;
    const Entry entry = shownList(todo).at(static_cast<std::size_t>(row));
    if (popover_entry::title(*entry) == title)
        return true;
    auto renamed = std::make_shared<Dictionary>(*entry);
    renamed->insert_or_assign(keys::jotlingTitle, Value(title.toStdString()));
    const auto found = todo ? findSameItem(m_redizadoArray, entry) : m_redizadoArray.begin() + row;
    if (found == m_redizadoArray.end())
        return true;
    *found = std::move(renamed);
    filterRedizado();
    saveData();
    changed();
    return true;
}

void JLPopoverViewController::filterRedizado() {
    Entries todo;
    std::copy_if(m_redizadoArray.begin(), m_redizadoArray.end(), std::back_inserter(todo),
                 [](const Entry& entry) { return popover_entry::isToDo(*entry); });
    m_toDoRedizadoArray = std::move(todo);
}

void JLPopoverViewController::trackToDoCount() {
    m_defaults.setInteger(keys::toDoCountKey, static_cast<std::int64_t>(m_toDoRedizadoArray.size()));
    saveData();
    m_center.postNotificationName(notifications::toDoCountChanged, this);
}

void JLPopoverViewController::saveData() {
    Array array;
    array.reserve(m_redizadoArray.size());
    for (const Entry& entry : m_redizadoArray)
        array.emplace_back(*entry);
    m_defaults.setObject(keys::allRedizado, Value(std::move(array)));
    m_defaults.synchronize();
}

void JLPopoverViewController::changed() const {
    if (m_changed)
        m_changed();
}
