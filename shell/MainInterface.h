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
class ListPresenter;
class QObject;

// The program's long-lived objects, made and wired the way the panel's description lays them out.
class MainInterface final {
public:
    // Which shows the list on a click: the panel, or the popover with its own list controller. The panel is made
    // in both: it holds the settings.
    enum class Variant { Panel, Popover };

    // Creates the objects, connects outlets and actions, then wakes each: the status item controller first, so
    // the first-run settings are stored before the panel reads them.
    MainInterface(JLStatusItemController::Services services, AllDesktops& allDesktops, JLJotlingManager& manager,
                  Variant variant = Variant::Panel);
    ~MainInterface();

    JLStatusItemController& statusItemController() const { return *m_statusItemController; }
    JLRedizadoViewController& redizadoViewController() const { return *m_redizadoViewController; }
    JLRedizadoWindow& window() const { return *m_window; }
    JLShortcutSelector& shortcutSelector() const { return *m_shortcutSelector; }
    // The list a click on the icon shows, of the variant chosen.
    ListPresenter& listPresenter() const { return *m_listPresenter; }

private:
    std::unique_ptr<JLAppDelegate> m_appDelegate;
    std::unique_ptr<JLRedizadoWindow> m_window;
    std::unique_ptr<JLRedizadoViewController> m_redizadoViewController;
    std::unique_ptr<JLShortcutSelector> m_shortcutSelector;
    std::unique_ptr<JLStatusItemController> m_statusItemController;
    std::unique_ptr<ListPresenter> m_listPresenter;
    std::unique_ptr<QObject> m_panelListRefresh;
};
