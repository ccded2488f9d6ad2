// SPDX-License-Identifier: GPL-3.0-or-later
// The popover's items: its two lists of item dictionaries, changed and written through at once.
#include "JLPopoverViewController.h"

#include "Log.h"
#include "PopoverEntry.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <QScopedValueRollback>

#include <algorithm>

using namespace plist_value;

namespace {
using Entries = JLPopoverViewController::Entries;

Entries::iterator findSameItem(Entries& list, const JLPopoverViewController::Entry& entry) {
    return std::find_if(list.begin(), list.end(), [&](const auto& e) { return popover_entry::sameItem(e, entry); });
}

// The item as it was with the flag changed: every other key stays, the sync's among them. An item without a date
// gets one, so that it can be told apart from now on.
JLPopoverViewController::Entry withFlag(const Dictionary& entry, bool checked) {
    auto changed = std::make_shared<Dictionary>(entry);
    changed->insert_or_assign(keys::jotlingChecked, Value(checked));
    if (!popover_entry::createdDate(entry))
        changed->insert_or_assign(keys::jotlingCreatedDate, Value(now()));
    return changed;
}

// An entry of the copy read before, found in the list as it is now: by its date, in the same place when it is
// still there. An undated entry is only ever the one in the same place with the same contents.
Entries::iterator findNow(Entries& current, const Entries& before, const JLPopoverViewController::Entry& shown) {
    const auto place = std::find(before.begin(), before.end(), shown);
    const auto row = static_cast<std::size_t>(place - before.begin());
    if (place != before.end() && row < current.size() &&
        (popover_entry::sameItem(current[row], shown) ||
         (!popover_entry::createdDate(*shown) && *current[row] == *shown)))
        return current.begin() + static_cast<std::ptrdiff_t>(row);
    return popover_entry::createdDate(*shown) ? findSameItem(current, shown) : current.end();
}

void logGone() {
    logLine("store", "the item changed in the popover is no longer stored; nothing changed");
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

// The date rather than the entry: every change makes new entries, and a key must not keep the old ones alive.
ListItems::ItemKey JLPopoverViewController::keyAt(std::int64_t row, bool todo) const {
    const Entry& entry = shownList(todo).at(static_cast<std::size_t>(row));
    if (auto date = popover_entry::createdDate(*entry))
        return date;
    return entry;
}

std::int64_t JLPopoverViewController::rowOf(const ItemKey& key, bool todo) const {
    const Entries& list = shownList(todo);
    for (std::size_t row = 0; key && row < list.size(); ++row) {
        if (list[row].get() == key.get() || popover_entry::createdDate(*list[row]).get() == key.get())
            return static_cast<std::int64_t>(row);
    }
    return -1;
}

void JLPopoverViewController::add(const QString& title) {
    Entries current = storedEntries();
    current.insert(current.begin(), popover_entry::make(title.toStdString(), false, now()));
    adopt(std::move(current));
    trackToDoCount();
    changed();
}

bool JLPopoverViewController::toggle(std::int64_t row, bool todo) {
    const Entry shown = shownList(todo).at(static_cast<std::size_t>(row));
    const bool checked = !popover_entry::isChecked(*shown);
    Entries current = storedEntries();
    // From the to-do list every entry of the same item changes; from the full list the one in that row.
    bool found = false;
    if (todo && popover_entry::createdDate(*shown)) {
        for (Entry& entry : current) {
            if (popover_entry::sameItem(entry, shown)) {
                entry = withFlag(*entry, checked);
                found = true;
            }
        }
    } else if (const auto at = findNow(current, m_redizadoArray, shown); at != current.end()) {
        *at = withFlag(**at, checked);
        found = true;
    }
    if (!found)
        logGone();
    adopt(std::move(current));
    if (!found)
        return false;
    trackToDoCount();
    changed();
    return true;
}

bool JLPopoverViewController::remove(std::int64_t row, bool todo) {
    Entries current = storedEntries();
    const auto found = findNow(current, m_redizadoArray, shownList(todo).at(static_cast<std::size_t>(row)));
    if (found == current.end()) {
        logGone();
        adopt(std::move(current));
        return false;
    }
    current.erase(found);
    adopt(std::move(current));
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
    Entries current = storedEntries();
    const auto found = findNow(current, m_redizadoArray, entry);
    if (found == current.end()) {
        logGone();
        adopt(std::move(current));
        return true;
    }
    auto renamed = std::make_shared<Dictionary>(**found);
    renamed->insert_or_assign(keys::jotlingTitle, Value(title.toStdString()));
    *found = std::move(renamed);
    adopt(std::move(current));
    saveData();
    changed();
    return true;
}

void JLPopoverViewController::adopt(Entries current) {
    m_redizadoArray = std::move(current);
    filterRedizado();
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

void JLPopoverViewController::changed() {
    const QScopedValueRollback handingOn(m_handingOn, true);
    if (m_changed)
        m_changed();
}
