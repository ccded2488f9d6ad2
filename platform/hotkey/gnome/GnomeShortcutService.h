// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"

#include <memory>
#include <string>

// Global shortcuts on GNOME under Wayland, where no program may grab keys and no portal binds them: one custom
// shortcut in GNOME's own keyboard settings, whose command hands "toggle" to the running copy. The user sees it
// there as "Redizado" and may change it. GNOME runs the command, so no release ever reaches the handler.
class GnomeShortcutService final : public HotKeyService {
public:
    // Whether this GNOME's settings know custom shortcuts.
    static bool available();
    // The service running this program's own file; nothing when unavailable.
    static std::unique_ptr<GnomeShortcutService> create();

    explicit GnomeShortcutService(std::string programPath);
    ~GnomeShortcutService() override;
    GnomeShortcutService(const GnomeShortcutService&) = delete;
    GnomeShortcutService& operator=(const GnomeShortcutService&) = delete;

    // Adds our shortcut, or rebinds it when it is already there; the other shortcuts stay as they are.
    Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) override;
    // Takes our shortcut out of GNOME's list; a handle replaced by a later registration is ignored.
    void unregisterHotKey(Handle handle) override;
    // Takes out a shortcut that an earlier run left, for a start with the shortcut switched off: quitting leaves it
    // in place so that the keys start the program.
    void removeLeftover();
    void setReleasedHandler(ReleasedHandler handler) override;
    Route route() const override { return Route::desktopSettings; }
    // The combination in the words GNOME's settings use ("Super+Shift+T").
    std::string boundTrigger() const override { return m_boundTrigger; }

    // Where our shortcut lives in GNOME's settings.
    static const std::string& settingsPath();

private:
    static void removeFromSettings();
    void setBoundTrigger(std::string trigger);

    std::string m_programPath;
    std::string m_boundTrigger;
    Handle m_current = 0;
    Handle m_lastHandle = 0;
    ReleasedHandler m_releasedHandler;
};
