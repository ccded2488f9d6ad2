// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopoverEntry.h"

#include "PreferencesKeys.h"

using namespace plist_value;

namespace popover_entry {

namespace {
const Value* find(const Dictionary& entry, const char* key) {
    const auto found = entry.find(key);
    return found == entry.end() ? nullptr : &found->second;
}
} // namespace

Entry make(Value title, bool checked, Date created) {
    return std::make_shared<const Dictionary>(Dictionary{
        {keys::jotlingTitle, std::move(title)},
        {keys::jotlingChecked, Value(checked)},
        {keys::jotlingCreatedDate, Value(std::move(created))},
    });
}

std::optional<QString> title(const Dictionary& entry) {
    const Value* value = find(entry, keys::jotlingTitle);
    const std::string* text = value ? value->get<std::string>() : nullptr;
    if (!text)
        return std::nullopt;
    return QString::fromStdString(*text);
}

bool isChecked(const Dictionary& entry) {
    const Value* value = find(entry, keys::jotlingChecked);
    return value && value->boolValue();
}

bool isToDo(const Dictionary& entry) {
    const Value* value = find(entry, keys::jotlingChecked);
    return value && !value->boolValue();
}

Date createdDate(const Dictionary& entry) {
    const Value* value = find(entry, keys::jotlingCreatedDate);
    const Date* date = value ? value->get<Date>() : nullptr;
    return date ? *date : nullptr;
}

bool sameItem(const Entry& a, const Entry& b) {
    if (!a || !b)
        return false;
    if (a == b)
        return true;
    const Date date = createdDate(*a);
    return date && date == createdDate(*b);
}

} // namespace popover_entry
