// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

// A store that lives in memory only; counts its saves and keeps what the last one wrote, so tests can see what was
// saved when.
class MemoryUserDefaults final : public UserDefaults {
public:
    std::optional<plist_value::Value> objectForKey(const std::string& key) const override {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void setObject(const std::string& key, plist_value::Value value) override {
        values.insert_or_assign(key, std::move(value));
    }
    bool synchronize() override {
        ++synchronizeCount;
        saved = values;
        return true;
    }

    plist_value::Dictionary values;
    plist_value::Dictionary saved;
    int synchronizeCount = 0;
};
