// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotlingManager.h"

#include "Installed.h"

#include "Log.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <algorithm>

using namespace plist_value;

namespace {
// The same item in the other list: the record itself, since both lists hold the same records. Only a record
// that is not there is looked for by its creation date object; a missing date tells no item apart.
JLJotlingManager::List::iterator findSameItem(JLJotlingManager::List& list, const std::shared_ptr<JLJotling>& record) {
    if (const auto same = std::find(list.begin(), list.end(), record); same != list.end())
        return same;
    const Date date = record->dateCreated();
    if (!date)
        return list.end();
    return std::find_if(list.begin(), list.end(),
                        [&](const std::shared_ptr<JLJotling>& r) { return r->dateCreated() == date; });
}
} // namespace

JLJotlingManager::JLJotlingManager(UserDefaults& defaults, NotificationCenter& center, Load load)
    : m_defaults(defaults), m_center(center) {
    if (load == Load::now)
        loadList();
}

void JLJotlingManager::loadList() const {
    if (m_loaded)
        return;
    m_self->m_loaded = true;
    m_self->appendStoredList();
    m_self->reconcileStoredCount();
}

JLJotlingManager& JLJotlingManager::sharedManager() {
    return Installed<JLJotlingManager>::get("the item manager");
}

void JLJotlingManager::setSharedManager(JLJotlingManager* manager) {
    Installed<JLJotlingManager>::set(manager);
}

void JLJotlingManager::retrieveData() {
    if (m_loaded)
        appendStoredList();
    else
        loadList();
}

void JLJotlingManager::appendStoredList() {
    const auto stored = m_defaults.objectForKey(keys::allRedizado);
    if (!stored)
        return;
    const Array* array = stored->get<Array>();
    if (!array) {
        logLine("store", "\"allRedizado\" is not a list; no items loaded");
        return;
    }
    m_redizado.reserve(array->size());
    std::size_t index = 0;
    for (const Value& element : *array) {
        const Shared<Dictionary>* dictionary = element.sharedDictionary();
        if (!dictionary) {
            logLine("store", "item " + std::to_string(index) + " of \"allRedizado\" is not a dictionary; skipped");
        } else {
            auto record = std::make_shared<JLJotling>(*dictionary);
            if (!record->completed())
                m_todoRedizado.push_back(record);
            m_redizado.push_back(std::move(record));
        }
        ++index;
    }
}

void JLJotlingManager::reloadData() {
    m_loaded = true;
    m_redizado.clear();
    m_todoRedizado.clear();
    appendStoredList();
    const auto count = static_cast<std::int64_t>(m_todoRedizado.size());
    if (m_defaults.integerForKey(keys::toDoCountKey) != count)
        updateToDoCount();
    else
        m_center.postNotificationName(notifications::toDoCountChanged, this);
    m_center.postNotificationName(listReplacedNotification, this);
}

// The tray shows the stored count; one left stale by a crash or a hand edit would be a wrong count.
void JLJotlingManager::reconcileStoredCount() {
    const auto count = static_cast<std::int64_t>(m_todoRedizado.size());
    if (m_defaults.integerForKey(keys::toDoCountKey) != count)
        updateToDoCount();
}

void JLJotlingManager::saveData() {
    // A list never read must not be saved over the stored one.
    loadList();
    storeList();
    m_defaults.synchronize();
}

void JLJotlingManager::storeList() {
    Array array;
    array.reserve(m_redizado.size());
    // The records' own dictionaries, shared: a save copies no item.
    for (const auto& record : m_redizado) {
        if (const auto& dictionary = record->sharedDictionary())
            array.emplace_back(*dictionary);
    }
    m_defaults.setObject(keys::allRedizado, Value(std::move(array)));
}

void JLJotlingManager::updateTodoRedizado() {
    loadList();
    m_todoRedizado.clear();
    for (const auto& record : m_redizado) {
        if (!record->completed())
            m_todoRedizado.push_back(record);
    }
}

void JLJotlingManager::updateToDoCount() {
    loadList();
    storeCount();
    m_defaults.synchronize();
    m_center.postNotificationName(notifications::toDoCountChanged, this);
}

// Stored before the post: observers read the count back from the store.
void JLJotlingManager::storeCount() {
    m_defaults.setInteger(keys::toDoCountKey, static_cast<std::int64_t>(m_todoRedizado.size()));
}

// The list and its count go to disk in one write: a change costs one file save, not two.
void JLJotlingManager::saveDataAndCount() {
    storeList();
    updateToDoCount();
}

void JLJotlingManager::changedHere() const {
    if (m_changedHere)
        m_changedHere();
}

void JLJotlingManager::storedListChangedHere() {
    m_loaded = true;
    m_redizado.clear();
    m_todoRedizado.clear();
    appendStoredList();
    m_center.postNotificationName(listReplacedNotification, this);
    changedHere();
}

void JLJotlingManager::replaceRedizado(List redizado) {
    m_loaded = true;
    m_redizado = std::move(redizado);
    updateTodoRedizado();
    saveDataAndCount();
    m_center.postNotificationName(listReplacedNotification, this);
}

void JLJotlingManager::addJotlingWithTitle(const std::string& title) {
    loadList();
    if (!title.empty()) {
        auto record = std::make_shared<JLJotling>(title);
        m_todoRedizado.insert(m_todoRedizado.begin(), record);
        m_redizado.insert(m_redizado.begin(), std::move(record));
    }
    saveDataAndCount();
    if (!title.empty())
        changedHere();
}

std::shared_ptr<JLJotling> JLJotlingManager::recordAt(std::int64_t index, bool fromTodoRedizado) const {
    loadList();
    const List& list = fromTodoRedizado ? m_todoRedizado : m_redizado;
    if (index < 0 || static_cast<std::uint64_t>(index) >= list.size()) {
        logLine("store", "row " + std::to_string(index) + " is outside the list; nothing changed");
        return nullptr;
    }
    return list[static_cast<std::size_t>(index)];
}

void JLJotlingManager::removeEntryAtIndex(std::int64_t index, bool fromTodoRedizado) {
    const auto record = recordAt(index, fromTodoRedizado);
    if (!record)
        return;
    if (fromTodoRedizado) {
        m_todoRedizado.erase(m_todoRedizado.begin() + index);
        const auto same = findSameItem(m_redizado, record);
        if (same != m_redizado.end()) {
            const auto match = *same;
            std::erase(m_redizado, match);
        }
    } else {
        m_redizado.erase(m_redizado.begin() + index);
        updateTodoRedizado();
    }
    saveDataAndCount();
    changedHere();
}

void JLJotlingManager::completeEntry(bool completed, std::int64_t index, bool fromTodoRedizado) {
    const auto record = recordAt(index, fromTodoRedizado);
    if (!record)
        return;
    if (fromTodoRedizado) {
        m_todoRedizado.erase(m_todoRedizado.begin() + index);
        const auto same = findSameItem(m_redizado, record);
        if (same != m_redizado.end())
            (*same)->setCompleted(completed);
    } else {
        record->setCompleted(completed);
        updateTodoRedizado();
    }
    saveDataAndCount();
    changedHere();
}

void JLJotlingManager::renameEntry(const std::string& title, std::int64_t index, bool fromTodoRedizado) {
    const auto record = recordAt(index, fromTodoRedizado);
    if (!record)
        return;
    record->setTitle(title);
    List& other = fromTodoRedizado ? m_redizado : m_todoRedizado;
    const auto same = findSameItem(other, record);
    if (same != other.end())
        (*same)->setTitle(title);
    saveData();
    changedHere();
}

void JLJotlingManager::insertJotling(std::shared_ptr<JLJotling> jotling, std::int64_t index) {
    loadList();
    if (!jotling || std::find(m_redizado.begin(), m_redizado.end(), jotling) != m_redizado.end()) {
        logLine("store", "the item to put back is missing or already listed; nothing changed");
        return;
    }
    const auto at = std::clamp<std::int64_t>(index, 0, static_cast<std::int64_t>(m_redizado.size()));
    m_redizado.insert(m_redizado.begin() + at, std::move(jotling));
    updateTodoRedizado();
    saveDataAndCount();
    changedHere();
}
