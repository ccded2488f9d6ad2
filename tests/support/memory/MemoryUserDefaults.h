// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

// A store that lives in memory only; counts its saves and keeps what the last one wrote, so tests can see what was
// saved when.
class MemoryUserDefaults final : public UserDefaults {
public:
    std::optional<plist_value::Value> objectForKey(const std::string& key) const override {
        const auto it = m_values.find(key);
        return it == m_values.end() ? std::nullopt : std::optional(it->second);
    }
    void setObject(const std::string& key, plist_value::Value value) override {
        m_values.insert_or_assign(key, std::move(value));
    }
    bool synchronize() override {
        ++m_synchronizeCount;
        m_saved = m_values;
        return true;
    }

    const plist_value::Dictionary& values() const { return m_values; }
    const plist_value::Dictionary& saved() const { return m_saved; }
    int synchronizeCount() const { return m_synchronizeCount; }
    void resetCounts() { m_synchronizeCount = 0; }

private:
    plist_value::Dictionary m_values;
    plist_value::Dictionary m_saved;
    int m_synchronizeCount = 0;
};
