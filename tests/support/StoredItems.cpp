// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredItems.h"

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
    if (!list || !list->get<Array>())
        return titles;
    for (const Value& item : *list->get<Array>()) {
        const Dictionary* entry = item.get<Dictionary>();
        const auto found = entry ? entry->find(keys::jotlingTitle) : Dictionary::const_iterator{};
        const std::string* title = entry && found != entry->end() ? found->second.get<std::string>() : nullptr;
        titles.push_back(title ? *title : "<none>");
    }
    return titles;
}
