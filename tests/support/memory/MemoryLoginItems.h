// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoginItems.h"

#include <algorithm>

// A login-items list in memory; tests seed it with entries of other programs and look at what is left.
class MemoryLoginItems final : public LoginItems {
public:
    std::vector<Entry> entries() const override { return m_entries; }
    bool insertLast(const std::string& appPath) override {
        if (!failing)
            add(appPath);
        return !failing;
    }
    bool remove(const Entry& entry) override {
        if (!failing)
            std::erase_if(m_entries, [&](const Entry& e) { return e.id == entry.id; });
        return !failing;
    }

    // Adds an entry as another program (or the user) would; nothing stands for an entry that does not resolve.
    Entry add(std::optional<std::string> program) {
        m_entries.push_back({"entry-" + std::to_string(m_nextId++), std::move(program)});
        return m_entries.back();
    }
    bool failing = false;

private:
    std::vector<Entry> m_entries;
    int m_nextId = 1;
};
