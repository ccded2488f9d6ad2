// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainInterface.h"

#include "JLAppDelegate.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "shortcut/JLHotKeyManager.h"
#include "shortcut/JLShortcutSelector.h"

MainInterface::MainInterface(JLStatusItemController::Services services, AllDesktops &allDesktops,
                             JLJotlingManager *manager)
    : m_appDelegate(std::make_unique<JLAppDelegate>())
    , m_window(std::make_unique<JLRedizadoWindow>(allDesktops))
{
    UserDefaults &defaults = services.defaults;
    auto hotKeyManager = services.hotKeyManager;
    m_redizadoViewController = std::make_unique<JLRedizadoViewController>(defaults, manager);
    m_shortcutSelector = std::make_unique<JLShortcutSelector>(defaults, [hotKeyManager] { hotKeyManager().updateHotKey(); });
    m_statusItemController = std::make_unique<JLStatusItemController>(std::move(services));

    m_statusItemController->setRedizadoViewController(m_redizadoViewController.get());
    m_statusItemController->setWindow(m_window.get());
    m_shortcutSelector->setModifierSelector1(m_redizadoViewController->modifierSelector1());
    m_shortcutSelector->setModifierSelector2(m_redizadoViewController->modifierSelector2());
    m_shortcutSelector->setKeySelector(m_redizadoViewController->keySelector());
    m_shortcutSelector->connectActions();
    m_window->setWindowTitle(QStringLiteral("Redizado"));
    m_window->resize(320, 440);

    m_statusItemController->awakeFromNib();
    m_window->awakeFromNib();
    m_redizadoViewController->awakeFromNib();
    m_shortcutSelector->awakeFromNib();
    m_appDelegate->applicationDidFinishLaunching();
}

// The panel's view lives inside the window; the controller goes first so it lets go of it before the window.
MainInterface::~MainInterface()
{
    m_statusItemController.reset();
    m_shortcutSelector.reset();
    m_redizadoViewController.reset();
    m_window.reset();
}
