// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

#include <map>

// A store that lives in memory only; counts its writes so tests can see what was saved when.
class MemoryUserDefaults final : public UserDefaults {
public:
    std::optional<plist_value::Value> objectForKey(const std::string& key) const override;
    void setObject(const std::string& key, plist_value::Value value) override;
    bool synchronize() override;

    const plist_value::Dictionary& values() const { return m_values; }
    int setCount(const std::string& key) const;
    int synchronizeCount() const { return m_synchronizeCount; }
    void resetCounts();

private:
    plist_value::Dictionary m_values;
    std::map<std::string, int> m_setCounts;
    int m_synchronizeCount = 0;
};
