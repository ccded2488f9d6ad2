// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryLoginItems.h"

#include <algorithm>

bool MemoryLoginItems::insertLast(const std::string& appPath) {
    ++m_insertCount;
    if (m_failing)
        return false;
    add(appPath);
    return true;
}

bool MemoryLoginItems::remove(const Entry& entry) {
    if (m_failing)
        return false;
    std::erase_if(m_entries, [&](const Entry& e) { return e.id == entry.id; });
    return true;
}

LoginItems::Entry MemoryLoginItems::add(std::optional<std::string> program) {
    m_entries.push_back({"entry-" + std::to_string(m_nextId++), std::move(program)});
    return m_entries.back();
}
