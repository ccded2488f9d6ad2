// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLStatusItemController.h"

#include <memory>

class AllDesktops;
class JLAppDelegate;
class JLJotlingManager;
class JLPopoverViewController;
class JLRedizadoViewController;
class JLRedizadoWindow;
class JLShortcutSelector;
class PopoverPresenter;
class QObject;

// The program's long-lived objects, made and wired the way the panel's description lays them out.
class MainInterface final {
public:
    // Which shows the list on a click: the panel, or the popover with its own list controller.
    enum class Variant { Panel, Popover };

    // Creates the objects, connects outlets and actions, then wakes each: the status item controller first, so
    // the first-run settings are stored before the panel reads them.
    // Without a manager the panel uses the shared one.
    MainInterface(JLStatusItemController::Services services, AllDesktops& allDesktops,
                  JLJotlingManager* manager = nullptr, Variant variant = Variant::Panel);
    ~MainInterface();

    JLStatusItemController& statusItemController() const { return *m_statusItemController; }
    JLRedizadoViewController& redizadoViewController() const { return *m_redizadoViewController; }
    JLRedizadoWindow& window() const { return *m_window; }
    JLShortcutSelector& shortcutSelector() const { return *m_shortcutSelector; }
    // Nothing in the panel variant.
    JLPopoverViewController* popoverViewController() const { return m_popoverViewController.get(); }
    PopoverPresenter* popoverPresenter() const { return m_popoverPresenter.get(); }

private:
    std::unique_ptr<JLAppDelegate> m_appDelegate;
    std::unique_ptr<JLRedizadoWindow> m_window;
    std::unique_ptr<JLRedizadoViewController> m_redizadoViewController;
    std::unique_ptr<JLShortcutSelector> m_shortcutSelector;
    std::unique_ptr<JLStatusItemController> m_statusItemController;
    std::unique_ptr<JLPopoverViewController> m_popoverViewController;
    std::unique_ptr<PopoverPresenter> m_popoverPresenter;
    std::unique_ptr<QObject> m_panelListRefresh;
};
