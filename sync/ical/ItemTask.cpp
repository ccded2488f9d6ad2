// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemTask.h"

#include "PreferencesKeys.h"

using namespace plist_value;

namespace vtodo {

Task taskOfItem(const Dictionary& item) {
    Task task;
    if (const auto uid = item.find(jotlingSyncUID); uid != item.end())
        if (const auto* text = uid->second.get<std::string>())
            task.uid = *text;
    if (const auto title = item.find(keys::jotlingTitle); title != item.end())
        if (const auto* text = title->second.get<std::string>())
            task.title = *text;
    if (const auto checked = item.find(keys::jotlingChecked); checked != item.end())
        task.completed = checked->second.boolValue();
    if (const auto created = item.find(keys::jotlingCreatedDate); created != item.end())
        if (const auto* date = created->second.get<Date>(); date && *date)
            task.createdSince1970 = (*date)->secondsSince1970;
    return task;
}

void applyToItem(const Task& task, Dictionary& item) {
    item.insert_or_assign(keys::jotlingTitle, Value(task.title));
    item.insert_or_assign(keys::jotlingChecked, Value(task.completed));
    item.insert_or_assign(jotlingSyncUID, Value(task.uid));
    const auto created = item.find(keys::jotlingCreatedDate);
    if (created == item.end() || !created->second.get<Date>() || !*created->second.get<Date>())
        item.insert_or_assign(keys::jotlingCreatedDate,
                              Value(task.createdSince1970 ? makeDate(*task.createdSince1970) : now()));
}

} // namespace vtodo
