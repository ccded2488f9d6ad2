// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotling.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <string>
#include <vector>

// An item as the preferences file holds it.
inline plist_value::Value storedItem(const std::string& title, bool checked = false) {
    using namespace plist_value;
    return Value(Dictionary{{keys::jotlingTitle, Value(title)},
                            {keys::jotlingChecked, Value(checked)},
                            {keys::jotlingCreatedDate, Value(makeDate(1000))}});
}

// The titles of records in memory, in list order; "<none>" for a record without one.
template <typename List> std::vector<std::string> titlesOf(const List& records) {
    std::vector<std::string> titles;
    for (const auto& record : records)
        titles.push_back(record->title().value_or("<none>"));
    return titles;
}

// The stored list, newest first; empty when there is none.
inline plist_value::Array storedList(const UserDefaults& defaults) {
    const auto list = defaults.objectForKey(keys::allRedizado);
    return list && list->get<plist_value::Array>() ? *list->get<plist_value::Array>() : plist_value::Array{};
}

// The titles of the stored list, newest first; "<none>" for an item without a readable one.
inline std::vector<std::string> storedTitles(const UserDefaults& defaults) {
    std::vector<std::string> titles;
    for (const plist_value::Value& item : storedList(defaults)) {
        const auto* entry = item.get<plist_value::Dictionary>();
        titles.push_back(entry ? JLJotling(*entry).title().value_or("<none>") : "<none>");
    }
    return titles;
}
