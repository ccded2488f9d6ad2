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

    std::optional<std::string> title() const;
    void setTitle(const std::string& title);
    // The stored date object itself: items are matched by its identity.
    plist_value::Date dateCreated() const;
    bool completed() const;
    void setCompleted(bool completed);

    plist_value::Dictionary* dictionary() { return m_dictionary ? &*m_dictionary : nullptr; }
    const plist_value::Dictionary* dictionary() const { return m_dictionary ? &*m_dictionary : nullptr; }
    void setDictionary(plist_value::Dictionary dictionary) { m_dictionary = std::move(dictionary); }

private:
    std::optional<plist_value::Dictionary> m_dictionary;
};
