// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"
#include "KeyNameTable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class UserDefaults;

// What the handler hands to the action: the identity of the released hot key.
struct HotKeyEvent {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
};

// Owns the one global shortcut: turns the three stored names into a registration and performs the stored
// action on the stored target when the combination is released. Settings are read at each registration.
class JLHotKeyManager final {
public:
    // An empty action stands for a target that does not respond.
    using Action = std::function<void(void* target, const HotKeyEvent& event)>;
    using KeyMap = KeyNameMap;

    static constexpr std::uint32_t hotKeySignature = 0x68746B31; // 'htk1'
    static constexpr std::uint32_t hotKeyId = 1;

    JLHotKeyManager(HotKeyService& service, UserDefaults& defaults);
    ~JLHotKeyManager();
    JLHotKeyManager(const JLHotKeyManager&) = delete;
    JLHotKeyManager& operator=(const JLHotKeyManager&) = delete;

    // The manager the program installed; stops the program when none was.
    static JLHotKeyManager& sharedManager();
    static void setSharedManager(JLHotKeyManager* manager);

    struct Combination {
        std::uint16_t virtualKeyCode = 0;
        std::uint32_t modifierMask = 0;
    };
    // The combination the stored names give; nothing when they name no key.
    std::optional<Combination> storedCombination() const;
    // How the last registration went; nothing while none is held or tried.
    std::optional<std::int32_t> registrationStatus() const { return m_status; }
    HotKeyService& service() const { return m_service; }

    void registerHotKeyWithTarget(void* target, Action action);
    void unregisterHotKey();
    void updateHotKey();
    void invokeWithEvent(const HotKeyEvent& event);

    void* target() const { return m_target; }
    void setTarget(void* target) { m_target = target; }
    const Action& action() const { return m_action; }
    void setAction(Action action) { m_action = std::move(action); }

    const KeyMap& keyMap() const { return keyNameTable(); }
    std::uint32_t modifierCodeWithString(std::optional<std::string_view> name) const {
        return modifierMaskForName(name);
    }

    // The service's release handler: acts on our id only; the event always counts as handled (0).
    std::int32_t hotKeyReleased(std::uint32_t id);

private:
    std::optional<Combination> storedCombination(bool report) const;
    UserDefaults& defaults() const { return m_defaults; }

    HotKeyService& m_service;
    UserDefaults& m_defaults;
    std::optional<HotKeyService::Handle> m_hotKeyRef;
    std::optional<std::int32_t> m_status;
    void* m_target = nullptr; // not owned
    Action m_action;
};
