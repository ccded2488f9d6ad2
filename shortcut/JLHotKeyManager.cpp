// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLHotKeyManager.h"

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/PreferencesKeys.h"

#include <string>

namespace {
struct StoredName {
    bool present = false;
    std::optional<std::string> text; // none when missing, or when a hand-edited value is not text
};

StoredName storedName(const UserDefaults& defaults, const char* key) {
    const auto value = defaults.objectForKey(key);
    if (!value)
        return {};
    if (const auto* text = value->get<std::string>())
        return {true, *text};
    logLine("hotkey", std::string(key) + " does not hold a name; it matches no key or modifier");
    return {true, std::nullopt};
}
} // namespace

JLHotKeyManager::JLHotKeyManager(HotKeyService& service, UserDefaults& defaults) : JLHotKeyManager(service) {
    m_defaults = &defaults;
}

JLHotKeyManager::JLHotKeyManager(HotKeyService& service) : m_service(service) {
    m_service.setReleasedHandler([this](std::uint32_t id) { hotKeyReleased(id); });
}

JLHotKeyManager::~JLHotKeyManager() {
    m_service.setReleasedHandler({});
}

JLHotKeyManager& JLHotKeyManager::sharedManager() {
    static JLHotKeyManager manager(HotKeyService::defaultService());
    return manager;
}

UserDefaults& JLHotKeyManager::defaults() const {
    return m_defaults ? *m_defaults : UserDefaults::standardUserDefaults();
}

void JLHotKeyManager::registerHotKeyWithTarget(void* target, Action action) {
    m_target = target;
    m_action = std::move(action);
    // One hot key at a time: a second call replaces the registration instead of leaving it behind unreachable.
    unregisterHotKey();

    const StoredName keyName = storedName(defaults(), keys::shortcutKeyCodeKey);
    const StoredName modifierOne = storedName(defaults(), keys::shortcutModifierCodeKeyOne);
    const StoredName modifierTwo = storedName(defaults(), keys::shortcutModifierCodeKeyTwo);
    if (!modifierOne.present || !modifierTwo.present)
        return;

    // An unknown key name would otherwise grab the position of "A" with the modifiers, taking a combination
    // such as Ctrl+A away from every other program.
    const auto entry = keyName.text ? keyMap().find(*keyName.text) : keyMap().end();
    if (entry == keyMap().end()) {
        logLine("hotkey", "no key is named \"" + keyName.text.value_or("") + "\"; no shortcut is registered");
        return;
    }
    const auto keyCode = static_cast<std::uint16_t>(entry->second);
    // The same modifier chosen twice means that modifier once.
    const std::uint32_t mask = modifierCodeWithString(modifierOne.text) | modifierCodeWithString(modifierTwo.text);

    const auto registration = m_service.registerHotKey(keyCode, mask, hotKeyId);
    if (registration.status != HotKeyService::ok) {
        logLine("hotkey", "ERROR");
        return;
    }
    m_hotKeyRef = registration.handle;
}

void JLHotKeyManager::unregisterHotKey() {
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
