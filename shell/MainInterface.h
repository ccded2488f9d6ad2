// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLStatusItemController.h"

#include <memory>

class AllDesktops;
class JLAppDelegate;
class JLJotlingManager;
class JLRedizadoViewController;
class JLRedizadoWindow;
class JLShortcutSelector;

// The program's long-lived objects, made and wired the way the panel's description lays them out.
class MainInterface final {
public:
    // Creates the objects, connects outlets and actions, then wakes each: the status item controller first, so
    // the first-run settings are stored before the panel reads them.
    // Without a manager the panel uses the shared one.
    MainInterface(JLStatusItemController::Services services, AllDesktops &allDesktops,
                  JLJotlingManager *manager = nullptr);
    ~MainInterface();

    JLStatusItemController &statusItemController() const { return *m_statusItemController; }
    JLRedizadoViewController &redizadoViewController() const { return *m_redizadoViewController; }
    JLRedizadoWindow &window() const { return *m_window; }
    JLShortcutSelector &shortcutSelector() const { return *m_shortcutSelector; }

private:
    std::unique_ptr<JLAppDelegate> m_appDelegate;
    std::unique_ptr<JLRedizadoWindow> m_window;
    std::unique_ptr<JLRedizadoViewController> m_redizadoViewController;
    std::unique_ptr<JLShortcutSelector> m_shortcutSelector;
    std::unique_ptr<JLStatusItemController> m_statusItemController;
};
