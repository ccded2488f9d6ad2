// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotling.h"

#include "PreferencesKeys.h"

using namespace plist_value;

JLJotling::JLJotling(const std::string& title) : JLJotling(title, now(), false) {}

JLJotling::JLJotling(const std::string& title, Date date, bool completed)
    : JLJotling(Dictionary{{keys::jotlingTitle, Value(title)},
                           {keys::jotlingCreatedDate, Value(std::move(date))},
                           {keys::jotlingChecked, Value(completed)}}) {}

JLJotling::JLJotling(const Dictionary& dictionary) : m_dictionary(Shared<Dictionary>(dictionary)) {}

JLJotling::JLJotling(Shared<Dictionary> dictionary) : m_dictionary(std::move(dictionary)) {}

std::optional<std::string> JLJotling::title() const {
    if (!m_dictionary)
        return std::nullopt;
    const Dictionary& stored = m_dictionary->get();
    const auto it = stored.find(keys::jotlingTitle);
    if (it == stored.end())
        return std::nullopt;
    if (auto text = it->second.get<std::string>())
        return *text;
    return std::nullopt;
}

void JLJotling::setTitle(const std::string& title) {
    if (m_dictionary)
        m_dictionary->edit().insert_or_assign(keys::jotlingTitle, Value(title));
}

Date JLJotling::dateCreated() const {
    if (!m_dictionary)
        return nullptr;
    const Dictionary& stored = m_dictionary->get();
    const auto it = stored.find(keys::jotlingCreatedDate);
    if (it == stored.end())
        return nullptr;
    if (auto date = it->second.get<Date>())
        return *date;
    return nullptr;
}

bool JLJotling::completed() const {
    if (!m_dictionary)
        return false;
    const Dictionary& stored = m_dictionary->get();
    const auto it = stored.find(keys::jotlingChecked);
    return it != stored.end() && it->second.boolValue();
}

void JLJotling::setCompleted(bool completed) {
    if (m_dictionary)
        m_dictionary->edit().insert_or_assign(keys::jotlingChecked, Value(completed));
}
