// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

// Keeps registrations in a list; a test can refuse combinations and play a release with any id.
class MemoryHotKeyService final : public HotKeyService {
public:
    struct Entry {
        std::uint16_t virtualKeyCode = 0;
        std::uint32_t modifierMask = 0;
        std::uint32_t id = 0;
        Handle handle = 0;
    };

    Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) override {
        if (m_refused.count({virtualKeyCode, modifierMask}))
            return {taken, 0};
        registrations.push_back({virtualKeyCode, modifierMask, id, ++m_lastHandle});
        return {ok, m_lastHandle};
    }
    void unregisterHotKey(Handle handle) override {
        std::erase_if(registrations, [handle](const Entry& entry) { return entry.handle == handle; });
    }
    void setReleasedHandler(ReleasedHandler handler) override { m_handler = std::move(handler); }
    Route route() const override { return m_route; }
    std::string boundTrigger() const override { return m_boundTrigger; }

    // The desktop this service stands for, and what it answers about a binding.
    void setRoute(Route route) { m_route = route; }
    void answerBinding(std::string trigger) {
        m_boundTrigger = std::move(trigger);
        bindingChanged();
    }

    // Later registrations of this combination get the taken status, as if another program held it.
    void refuse(std::uint16_t virtualKeyCode, std::uint32_t modifierMask) {
        m_refused.insert({virtualKeyCode, modifierMask});
    }
    // Plays the release of a combination, registered or not.
    void release(std::uint32_t id) {
        if (m_handler)
            m_handler(id);
    }

    bool hasHandler() const { return static_cast<bool>(m_handler); }

    std::vector<Entry> registrations;

private:
    std::set<std::pair<std::uint16_t, std::uint32_t>> m_refused;
    ReleasedHandler m_handler;
    Route m_route = Route::grab;
    std::string m_boundTrigger;
    Handle m_lastHandle = 0;
};
