// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryUserDefaults.h"

std::optional<plist_value::Value> MemoryUserDefaults::objectForKey(const std::string& key) const {
    const auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

void MemoryUserDefaults::setObject(const std::string& key, plist_value::Value value) {
    m_values.insert_or_assign(key, std::move(value));
    ++m_setCounts[key];
}

bool MemoryUserDefaults::synchronize() {
    ++m_synchronizeCount;
    return true;
}

int MemoryUserDefaults::setCount(const std::string& key) const {
    const auto it = m_setCounts.find(key);
    return it == m_setCounts.end() ? 0 : it->second;
}

void MemoryUserDefaults::resetCounts() {
    m_setCounts.clear();
    m_synchronizeCount = 0;
}
