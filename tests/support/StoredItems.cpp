// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredItems.h"

#include "JLJotling.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

using namespace plist_value;

Value storedItem(const std::string& title, bool checked, Date created) {
    return Value(Dictionary{{keys::jotlingTitle, Value(title)},
                            {keys::jotlingChecked, Value(checked)},
                            {keys::jotlingCreatedDate, Value(created)}});
}

std::vector<std::string> storedTitles(const UserDefaults& defaults) {
    std::vector<std::string> titles;
    const auto list = defaults.objectForKey(keys::allRedizado);
    for (const Value& item : list && list->get<Array>() ? *list->get<Array>() : Array{})
        titles.push_back(item.get<Dictionary>() ? JLJotling(*item.get<Dictionary>()).title().value_or("<none>")
                                                : "<none>");
    return titles;
}
