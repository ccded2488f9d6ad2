// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainInterface.h"

#include "JLAppDelegate.h"
#include "JLHotKeyManager.h"
#include "JLJotlingManager.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLShortcutSelector.h"
#include "PopoverPresenter.h"
#include "StatusItem.h"

#include <QEvent>

namespace {
// In the popover variant the panel still opens from the tray's menu, and each side keeps its own copy of the
// stored list: each reads the store afresh when the other may have written it, so neither saves a stale copy
// over the other's changes.
class PanelListRefresh final : public QObject {
public:
    PanelListRefresh(JLRedizadoViewController& panel, JLJotlingManager* manager, JLPopoverViewController& popover)
        : m_panel(panel), m_manager(manager), m_popover(popover) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            JLJotlingManager& manager = m_manager ? *m_manager : JLJotlingManager::sharedManager();
            manager.setRedizado({});
            manager.setTodoRedizado({});
            manager.retrieveData();
            m_panel.redizadoTableView()->reloadData();
        } else if (event->type() == QEvent::Hide) {
            m_popover.retrieveData();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    JLRedizadoViewController& m_panel;
    JLJotlingManager* m_manager;
    JLPopoverViewController& m_popover;
};
} // namespace

MainInterface::MainInterface(JLStatusItemController::Services services, AllDesktops& allDesktops,
                             JLJotlingManager* manager, Variant variant)
    : m_appDelegate(std::make_unique<JLAppDelegate>()),
      m_window(std::make_unique<JLRedizadoWindow>(allDesktops, platformWindowPlacement())) {
    UserDefaults& defaults = services.defaults;
    NotificationCenter& center = services.center;
    StatusItem& statusItem = services.statusItem;
    auto hotKeyManager = services.hotKeyManager;
    m_redizadoViewController = std::make_unique<JLRedizadoViewController>(defaults, manager);
    m_shortcutSelector =
        std::make_unique<JLShortcutSelector>(defaults, [hotKeyManager] { hotKeyManager().updateHotKey(); });
    if (variant == Variant::Popover)
        m_popoverViewController = std::make_unique<JLPopoverViewController>(defaults, center);
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
    if (m_popoverViewController) {
        m_popoverViewController->awakeFromNib();
        m_popoverPresenter = std::make_unique<PopoverPresenter>(*m_statusItemController, statusItem, center,
                                                                m_popoverViewController->view());
        m_statusItemController->setListToggle([presenter = m_popoverPresenter.get()] { presenter->toggle(); });
        m_panelListRefresh =
            std::make_unique<PanelListRefresh>(*m_redizadoViewController, manager, *m_popoverViewController);
        m_window->installEventFilter(m_panelListRefresh.get());
    }
    m_appDelegate->applicationDidFinishLaunching();
}

// The panel's view lives inside the window; the controller goes first so it lets go of it before the window.
MainInterface::~MainInterface() {
    m_panelListRefresh.reset();
    m_popoverPresenter.reset();
    m_popoverViewController.reset();
    m_statusItemController.reset();
    m_shortcutSelector.reset();
    m_redizadoViewController.reset();
    m_window.reset();
}
