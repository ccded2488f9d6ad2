// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLStatusItemController.h"

#include <functional>
#include <memory>

class AllDesktops;
class JLAppDelegate;
class JLHotKeyManager;
class JLPopoverViewController;
class JLJotlingManager;
class JLRedizadoViewController;
class JLRedizadoWindow;
class JLShortcutSelector;
class ListPresenter;
class QObject;
class UserDefaults;

// The program's long-lived objects, made and wired the way the panel's description lays them out.
class MainInterface final {
public:
    // Which shows the list on a click: the panel, or the popover with its own list controller. The panel is made
    // in both: it holds the settings.
    enum class Variant { Panel, Popover };

    // Creates the objects, connects outlets and actions, then wakes each: the status item controller first, so
    // the first-run settings are stored before the panel reads them. The panel and its settings pane are made
    // when first needed (shown, or asked for here): the icon does not wait for them.
    MainInterface(JLStatusItemController::Services services, AllDesktops& allDesktops, JLJotlingManager& manager,
                  Variant variant = Variant::Panel);
    ~MainInterface();

    JLStatusItemController& statusItemController() const { return *m_statusItemController; }
    // Makes the panel if it is not made yet.
    JLRedizadoViewController& redizadoViewController() const;
    // The panel if it is made; nothing before.
    JLRedizadoViewController* madeRedizadoViewController() const { return m_redizadoViewController.get(); }
    JLRedizadoWindow& window() const { return *m_window; }
    // The list a click on the icon shows, of the variant chosen.
    ListPresenter& listPresenter() const { return *m_listPresenter; }
    // Called once the panel is made, for what hangs on it; at once when it is made already.
    void setPanelMadeHandler(std::function<void(JLRedizadoViewController&)> handler);

private:
    void makePanel() const;

    UserDefaults& m_defaults;
    NotificationCenter& m_center;
    JLJotlingManager& m_manager;
    JLHotKeyManager& m_hotKeyManager;
    std::unique_ptr<JLAppDelegate> m_appDelegate;
    std::unique_ptr<JLRedizadoWindow> m_window;
    mutable std::unique_ptr<JLRedizadoViewController> m_redizadoViewController;
    mutable std::unique_ptr<JLShortcutSelector> m_shortcutSelector;
    std::unique_ptr<JLStatusItemController> m_statusItemController;
    std::unique_ptr<ListPresenter> m_listPresenter;
    // The popover's list, while the popover variant runs.
    JLPopoverViewController* m_popoverList = nullptr;
    mutable std::unique_ptr<QObject> m_panelListRefresh;
    std::function<void(JLRedizadoViewController&)> m_panelMade;
};
