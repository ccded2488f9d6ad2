// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotling.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <string>
#include <vector>

// An item as the preferences file holds it.
inline plist_value::Value storedItem(const std::string& title, bool checked = false,
                                     plist_value::Date created = plist_value::makeDate(1000)) {
    using namespace plist_value;
    return Value(Dictionary{{keys::jotlingTitle, Value(title)},
                            {keys::jotlingChecked, Value(checked)},
                            {keys::jotlingCreatedDate, Value(created)}});
}

// The titles of records in memory, in list order; "<none>" for a record without one.
template <typename List> std::vector<std::string> titlesOf(const List& records) {
    std::vector<std::string> titles;
    for (const auto& record : records)
        titles.push_back(record->title().value_or("<none>"));
    return titles;
}

// The titles of the stored list, newest first; "<none>" for an item without a readable one.
inline std::vector<std::string> storedTitles(const UserDefaults& defaults) {
    using namespace plist_value;
    std::vector<std::string> titles;
    const auto list = defaults.objectForKey(keys::allRedizado);
    for (const Value& item : list && list->get<Array>() ? *list->get<Array>() : Array{})
        titles.push_back(item.get<Dictionary>() ? JLJotling(*item.get<Dictionary>()).title().value_or("<none>")
                                                : "<none>");
    return titles;
}
