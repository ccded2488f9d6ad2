// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <string>
#include <vector>

class UserDefaults;

// An item as the preferences file holds it.
plist_value::Value storedItem(const std::string& title, bool checked = false,
                              plist_value::Date created = plist_value::makeDate(1000));

// The titles of the stored list, newest first; "<none>" for an item without a readable one.
std::vector<std::string> storedTitles(const UserDefaults& defaults);

// The titles of records in memory, in list order; "<none>" for a record without one.
template <typename List> std::vector<std::string> titlesOf(const List& records) {
    std::vector<std::string> titles;
    for (const auto& record : records)
        titles.push_back(record->title().value_or("<none>"));
    return titles;
}
