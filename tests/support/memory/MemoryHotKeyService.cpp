// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryHotKeyService.h"

HotKeyService::Registration MemoryHotKeyService::registerHotKey(std::uint16_t virtualKeyCode,
                                                                std::uint32_t modifierMask, std::uint32_t id) {
    ++m_registerCount;
    if (m_refused.count({virtualKeyCode, modifierMask}))
        return {taken, 0};
    const Handle handle = ++m_lastHandle;
    m_registrations.push_back({virtualKeyCode, modifierMask, id, handle});
    return {ok, handle};
}

void MemoryHotKeyService::unregisterHotKey(Handle handle) {
    ++m_unregisterCount;
    std::erase_if(m_registrations, [handle](const Entry& entry) { return entry.handle == handle; });
}

void MemoryHotKeyService::refuse(std::uint16_t virtualKeyCode, std::uint32_t modifierMask) {
    m_refused.insert({virtualKeyCode, modifierMask});
}

void MemoryHotKeyService::release(std::uint32_t id) {
    if (m_handler)
        m_handler(id);
}
