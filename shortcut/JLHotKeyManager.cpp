// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLHotKeyManager.h"

#include "Installed.h"

#include "Log.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <string>

namespace {
struct StoredName {
    bool present = false;
    std::optional<std::string> text; // none when missing, or when a hand-edited value is not text
};

StoredName storedName(const UserDefaults& defaults, const char* key, bool report) {
    const auto value = defaults.objectForKey(key);
    if (!value)
        return {};
    if (const auto* text = value->get<std::string>())
        return {true, *text};
    if (report)
        logLine("hotkey", std::string(key) + " does not hold a name; it matches no key or modifier");
    return {true, std::nullopt};
}
} // namespace

JLHotKeyManager::JLHotKeyManager(HotKeyService& service, UserDefaults& defaults)
    : m_service(service), m_defaults(defaults) {
    m_service.setReleasedHandler([this](std::uint32_t id) { hotKeyReleased(id); });
}

JLHotKeyManager::~JLHotKeyManager() {
    m_service.setReleasedHandler({});
}

JLHotKeyManager& JLHotKeyManager::sharedManager() {
    return Installed<JLHotKeyManager>::get("the hot key manager");
}

void JLHotKeyManager::setSharedManager(JLHotKeyManager* manager) {
    Installed<JLHotKeyManager>::set(manager);
}

std::optional<JLHotKeyManager::Combination> JLHotKeyManager::storedCombination() const {
    return storedCombination(false);
}

// Reporting is for registrations: the settings pane reads the combination far more often.
std::optional<JLHotKeyManager::Combination> JLHotKeyManager::storedCombination(bool report) const {
    const StoredName keyName = storedName(defaults(), keys::shortcutKeyCodeKey, report);
    const StoredName modifierOne = storedName(defaults(), keys::shortcutModifierCodeKeyOne, report);
    const StoredName modifierTwo = storedName(defaults(), keys::shortcutModifierCodeKeyTwo, report);
    if (!modifierOne.present || !modifierTwo.present)
        return std::nullopt;

    // An unknown key name would otherwise grab the position of "A" with the modifiers, taking a combination
    // such as Ctrl+A away from every other program.
    const auto entry = keyName.text ? keyMap().find(*keyName.text) : keyMap().end();
    if (entry == keyMap().end()) {
        if (report)
            logLine("hotkey", "no key is named \"" + keyName.text.value_or("") + "\"; no shortcut is registered");
        return std::nullopt;
    }
    // The same modifier chosen twice means that modifier once.
    return Combination{static_cast<std::uint16_t>(entry->second),
                       modifierCodeWithString(modifierOne.text) | modifierCodeWithString(modifierTwo.text)};
}

void JLHotKeyManager::registerHotKeyWithTarget(void* target, Action action) {
    m_target = target;
    m_action = std::move(action);
    // One hot key at a time: a second call replaces the registration instead of leaving it behind unreachable.
    unregisterHotKey();

    const auto combination = storedCombination(true);
    if (!combination) {
        m_status = HotKeyService::unsupported;
        return;
    }
    const auto registration =
        m_service.registerHotKey(combination->virtualKeyCode, combination->modifierMask, hotKeyId);
    m_status = registration.status;
    if (registration.status != HotKeyService::ok) {
        logLine("hotkey", "ERROR");
        return;
    }
    m_hotKeyRef = registration.handle;
}

void JLHotKeyManager::unregisterHotKey() {
    m_status.reset();
    if (!m_hotKeyRef)
        return;
    m_service.unregisterHotKey(*m_hotKeyRef);
    m_hotKeyRef.reset();
}

void JLHotKeyManager::updateHotKey() {
    unregisterHotKey();
    registerHotKeyWithTarget(m_target, m_action);
}

void JLHotKeyManager::invokeWithEvent(const HotKeyEvent& event) {
    if (!m_target || !m_action)
        return;
    m_action(m_target, event);
}

std::int32_t JLHotKeyManager::hotKeyReleased(std::uint32_t id) {
    if (id != hotKeyId)
        return 0;
    invokeWithEvent(HotKeyEvent{hotKeySignature, id});
    return 0;
}
