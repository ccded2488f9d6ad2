// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <memory>
#include <optional>
#include <string>

// The per-user key-value store every setting and the item list live in.
// A missing key reads NO, 0 or nothing.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    virtual std::optional<plist_value::Value> objectForKey(const std::string& key) const = 0;
    virtual void setObject(const std::string& key, plist_value::Value value) = 0;
    // Writes the store through to persistent storage; false when that failed (the values stay in memory).
    virtual bool synchronize() = 0;

    bool boolForKey(const std::string& key) const;
    std::int64_t integerForKey(const std::string& key) const;
    void setBool(const std::string& key, bool value) { setObject(key, plist_value::Value(value)); }
    void setInteger(const std::string& key, std::int64_t value) { setObject(key, plist_value::Value(value)); }

    // The process-wide store; set once at start by main (or by a test).
    static UserDefaults& standardUserDefaults();
    static void setStandardUserDefaults(std::unique_ptr<UserDefaults> defaults);
};
