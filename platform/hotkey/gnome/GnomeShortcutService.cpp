// SPDX-License-Identifier: GPL-3.0-or-later
#include "GnomeShortcutService.h"

#include "GnomeCustomKeybindings.h"
#include "KeysymNames.h"
#include "Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {
struct ModifierNames {
    std::uint32_t bit;
    const char* accelerator;
};
constexpr std::array<ModifierNames, 4> modifiers{{
    {HotKeyService::command, "<Super>"},
    {HotKeyService::control, "<Control>"},
    {HotKeyService::option, "<Alt>"},
    {HotKeyService::shift, "<Shift>"},
}};
} // namespace

bool GnomeShortcutService::available() {
    return gnomeKeybindings::available();
}

std::unique_ptr<GnomeShortcutService> GnomeShortcutService::create() {
    if (!available())
        return nullptr;
    // GNOME's settings are read from the configuration folder's dconf database. Started with a folder of its own,
    // the program would read an empty list of shortcuts there, and writing it back would drop the user's own.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.isEmpty() && config != QDir::homePath() + QStringLiteral("/.config") &&
        !QFileInfo::exists(config + QStringLiteral("/dconf/user"))) {
        logLine("hotkey", "XDG_CONFIG_HOME holds no GNOME settings; the shortcut is left to GNOME's keyboard settings");
        return nullptr;
    }
    return std::make_unique<GnomeShortcutService>(QCoreApplication::applicationFilePath().toStdString());
}

GnomeShortcutService::GnomeShortcutService(std::string programPath) : m_programPath(std::move(programPath)) {}

GnomeShortcutService::~GnomeShortcutService() = default;

const std::string& GnomeShortcutService::settingsPath() {
    static const std::string path = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/redizado/";
    return path;
}

HotKeyService::Registration GnomeShortcutService::registerHotKey(std::uint16_t virtualKeyCode,
                                                                 std::uint32_t modifierMask, std::uint32_t) {
    const auto keysym = keysymName(virtualKeyCode);
    if (!keysym)
        return {unsupported, 0};
    auto paths = gnomeKeybindings::paths();
    if (!paths) {
        logLine("hotkey", "GNOME's settings have no custom keyboard shortcuts here; no shortcut is registered");
        return {unavailable, 0};
    }

    // A keysym name is also the key's name in a GTK accelerator.
    std::string accelerator;
    for (const auto& modifier : modifiers)
        if (modifierMask & modifier.bit)
            accelerator += modifier.accelerator;
    accelerator += *keysym;

    // The shortcut's keys first: the settings daemon may act on the list as soon as our path is in it.
    const gnomeKeybindings::CustomKeybinding shortcut{
        "Redizado", gnomeKeybindings::commandLine(m_programPath, "toggle"), accelerator};
    bool written = gnomeKeybindings::write(settingsPath(), shortcut);
    if (written && std::find(paths->begin(), paths->end(), settingsPath()) == paths->end()) {
        paths->push_back(settingsPath());
        written = gnomeKeybindings::setPaths(*paths);
    }
    gnomeKeybindings::sync();
    if (!written) {
        logLine("hotkey", "GNOME's keyboard settings cannot be changed here (locked down?); no shortcut is registered");
        return {unavailable, 0};
    }
    m_current = ++m_lastHandle;
    setBoundTrigger(readableCombination(virtualKeyCode, modifierMask));
    return {ok, m_current};
}

void GnomeShortcutService::unregisterHotKey(Handle handle) {
    if (handle == 0 || handle != m_current)
        return;
    m_current = 0;
    removeFromSettings();
    setBoundTrigger({});
}

void GnomeShortcutService::removeLeftover() {
    if (m_current == 0)
        removeFromSettings();
}

void GnomeShortcutService::removeFromSettings() {
    auto paths = gnomeKeybindings::paths();
    if (!paths)
        return;
    const auto ours = std::find(paths->begin(), paths->end(), settingsPath());
    if (ours == paths->end())
        return;
    paths->erase(ours);
    gnomeKeybindings::setPaths(*paths);
    gnomeKeybindings::reset(settingsPath());
    gnomeKeybindings::sync();
}

void GnomeShortcutService::setReleasedHandler(ReleasedHandler handler) {
    m_releasedHandler = std::move(handler);
}

void GnomeShortcutService::setBoundTrigger(std::string trigger) {
    if (trigger == m_boundTrigger)
        return;
    m_boundTrigger = std::move(trigger);
    bindingChanged();
}
