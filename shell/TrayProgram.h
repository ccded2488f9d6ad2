// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundSaves.h"
#include "HeldStatusItem.h"
#include "InstanceCommands.h"
#include "JLHotKeyManager.h"
#include "JLJotlingManager.h"
#include "KeptIconPlace.h"
#include "LiveStatusItem.h"
#include "LoadedSync.h"
#include "MainInterface.h"
#include "NotificationCenter.h"
#include "PreferencesWatcher.h"
#include "SingleInstance.h"
#include "StoreReloader.h"
#include "SystemTrayHost.h"
#include "XdgLoginItems.h"

#include <chrono>
#include <memory>
#include <optional>

class AllDesktops;
class JLRedizadoViewController;
class PortalColorScheme;
class FileUserDefaults;
class ShortcutNote;
class Workspace;
struct Command;

// The tray program as it runs: the long-lived objects, the answers to later starts and the watch on the
// preferences file that someone else may change.
class TrayProgram final {
public:
    struct Desktop {
        std::unique_ptr<Workspace> workspace;
        std::unique_ptr<AllDesktops> allDesktops;
        // The X11 system tray; none where there is no X11.
        std::unique_ptr<SystemTrayHost> systemTray;
        // On X11 proper; under XWayland the pointer is known only while it is over an X11 window.
        bool pointerReadable = false;
        // The global shortcut's service; none where no desktop service offers one.
        std::unique_ptr<HotKeyService> hotKeys;
    };

    // Makes the item and hot key managers over defaults and the desktop, installs them as the shared ones, and
    // passes them down; instance holds the lock and answers later starts from now on.
    TrayProgram(Desktop desktop, FileUserDefaults& defaults, SingleInstance& instance,
                MainInterface::Variant variant = MainInterface::Variant::Panel);
    ~TrayProgram();

    // What the start itself asked for: toggle shows the list once the program is up.
    void perform(const Command& command);

    MainInterface& interface() const { return *m_interface; }
    // For the settings pane and the command line.
    SyncControl& sync() const { return *m_sync; }

private:
    void loadListOnceIconIsUp();
    void loadListOnceParsed();
    void fileMayHaveChanged();
    void showReloaded();
    void panelMade(JLRedizadoViewController& panel);
    void followColorScheme();
    void startSync();

    Desktop m_desktop;
    FileUserDefaults& m_defaults;
    // From the end of the start on: a long list takes frames to write, and the panel goes on while it is written.
    // A command's answer, the file watcher and the quit wait for it.
    std::optional<BackgroundSaves> m_backgroundSaves;
    NotificationCenter m_center;
    JLJotlingManager m_manager;
    JLHotKeyManager m_hotKeyManager;
    LiveStatusItem m_statusItem;
    HeldStatusItem m_heldStatusItem{m_statusItem};
    KeptIconPlace m_keptIconPlace;
    XdgLoginItems m_loginItems;
    std::unique_ptr<MainInterface> m_interface;
    std::optional<InstanceCommands> m_commands;
    std::optional<StoreReloader> m_reloader;
    std::unique_ptr<PreferencesWatcher> m_watcher;
    // The watcher spoke while our own save was being written: the file is looked at once it has ended.
    bool m_fileChangedWhileSaving = false;
    std::unique_ptr<ShortcutNote> m_shortcutNote;
    std::unique_ptr<PortalColorScheme> m_colorScheme;
    // Until the panel is made: whether the shortcut is switched on, as its check box would show, and whether the
    // desktop has answered its registration, for the note made with the panel.
    bool m_shortcutOn = false;
    bool m_desktopAnswered = false;
    // Last: gone before the manager and the interface it calls.
    std::unique_ptr<LoadedSync> m_sync;
};
