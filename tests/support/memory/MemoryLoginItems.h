// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoginItems.h"

// A login-items list in memory; tests seed it with entries of other programs and look at what is left.
class MemoryLoginItems final : public LoginItems {
public:
    std::vector<Entry> entries() const override { return m_entries; }
    bool insertLast(const std::string& appPath) override;
    bool remove(const Entry& entry) override;

    // Adds an entry as another program (or the user) would; nothing stands for an entry that does not resolve.
    Entry add(std::optional<std::string> program);
    void setFailing(bool failing) { m_failing = failing; }
    int insertCount() const { return m_insertCount; }

private:
    std::vector<Entry> m_entries;
    int m_nextId = 1;
    int m_insertCount = 0;
    bool m_failing = false;
};
