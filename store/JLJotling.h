// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <optional>
#include <string>

// One to-do item: a typed view over the dictionary that is stored for it.
class JLJotling final {
public:
    // A record without a dictionary: getters answer nothing or NO, setters change nothing.
    JLJotling() = default;
    // A new unchecked item created now.
    explicit JLJotling(const std::string& title);
    JLJotling(const std::string& title, plist_value::Date date, bool completed);
    // Keeps its own shallow copy: later edits never reach the caller's dictionary.
    explicit JLJotling(const plist_value::Dictionary& dictionary);
    // Shares the stored dictionary until the record is changed; the change never reaches the store's copy.
    explicit JLJotling(plist_value::Shared<plist_value::Dictionary> dictionary);

    std::optional<std::string> title() const;
    void setTitle(const std::string& title);
    // The stored date object itself: items are matched by its identity.
    plist_value::Date dateCreated() const;
    bool completed() const;
    void setCompleted(bool completed);

    plist_value::Dictionary* dictionary() { return m_dictionary ? &m_dictionary->edit() : nullptr; }
    const plist_value::Dictionary* dictionary() const { return m_dictionary ? &m_dictionary->get() : nullptr; }
    void setDictionary(plist_value::Dictionary dictionary) {
        m_dictionary.emplace(plist_value::Shared<plist_value::Dictionary>(std::move(dictionary)));
    }
    // The dictionary as it is stored, shared rather than copied; nothing for a record without one.
    const std::optional<plist_value::Shared<plist_value::Dictionary>>& sharedDictionary() const { return m_dictionary; }

private:
    std::optional<plist_value::Shared<plist_value::Dictionary>> m_dictionary;
};
