// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainInterface.h"

#include "JLAppDelegate.h"
#include "JLHotKeyManager.h"
#include "JLJotlingManager.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLShortcutSelector.h"
#include "ListPresenter.h"
#include "PopoverPresenter.h"
#include "StatusItem.h"

#include <QEvent>

namespace {
// The panel as the list the program shows; the status item controller shows and hides it.
class PanelPresenter final : public ListPresenter {
public:
    PanelPresenter(JLStatusItemController& statusItemController, JLRedizadoWindow& window,
                   const MainInterface& interface)
        : m_statusItemController(statusItemController), m_window(window), m_interface(interface) {}

    bool isShown() const override { return m_window.isVisible(); }
    void show() override {
        if (!m_window.isVisible()) {
            m_statusItemController.showRedizadoView();
            return;
        }
        m_window.raise();
        m_window.activateWindow();
    }
    void hide() override {
        if (m_window.isVisible())
            m_statusItemController.hideRedizadoView();
    }
    void toggle() override { m_statusItemController.toggleRedizadoView(); }
    void reload(StoreChange change) override {
        // A panel not made yet reads the items when it is.
        JLRedizadoViewController* panel = m_interface.madeRedizadoViewController();
        if (!panel)
            return;
        JLTableView* table = panel->redizadoTableView();
        // The new item is row 0 in either category, as one typed into the panel is.
        if (change == StoreChange::ItemAddedOnTop)
            table->insertRows(0, JLTableView::Animation::SlideLeft);
        else
            table->reloadData();
    }

private:
    JLStatusItemController& m_statusItemController;
    JLRedizadoWindow& m_window;
    const MainInterface& m_interface;
};

// In the popover variant the panel still opens from the tray's menu, and each side keeps its own copy of the
// stored list: each reads the store afresh when the other may have written it, so neither saves a stale copy
// over the other's changes.
class PanelListRefresh final : public QObject {
public:
    PanelListRefresh(JLRedizadoViewController& panel, JLJotlingManager& manager, JLPopoverViewController& popover)
        : m_panel(panel), m_manager(manager), m_popover(popover) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            m_manager.setRedizado({});
            m_manager.setTodoRedizado({});
            m_manager.retrieveData();
            m_panel.redizadoTableView()->reloadData();
        } else if (event->type() == QEvent::Hide) {
            m_popover.retrieveData();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    JLRedizadoViewController& m_panel;
    JLJotlingManager& m_manager;
    JLPopoverViewController& m_popover;
};
} // namespace

MainInterface::MainInterface(JLStatusItemController::Services services, AllDesktops& allDesktops,
                             JLJotlingManager& manager, Variant variant)
    : m_defaults(services.defaults), m_center(services.center), m_manager(manager),
      m_hotKeyManager(services.hotKeyManager), m_appDelegate(std::make_unique<JLAppDelegate>()),
      m_window(std::make_unique<JLRedizadoWindow>(allDesktops, platformWindowPlacement())) {
    NotificationCenter& center = m_center;
    StatusItem& statusItem = services.statusItem;
    // Made before the first-run values are stored, so that on a first start the popover seeds its list.
    std::unique_ptr<JLPopoverViewController> popoverList;
    if (variant == Variant::Popover)
        popoverList = std::make_unique<JLPopoverViewController>(m_defaults, center);
    m_statusItemController = std::make_unique<JLStatusItemController>(std::move(services));

    m_statusItemController->setRedizadoViewControllerMaker([this] { makePanel(); });
    m_statusItemController->setWindow(m_window.get());
    m_window->setWindowTitle(QStringLiteral("Redizado"));
    m_window->resize(320, 440);

    m_statusItemController->awakeFromNib();
    m_window->awakeFromNib();
    if (popoverList) {
        popoverList->awakeFromNib();
        m_popoverList = popoverList.get();
        // The sync works from the manager's list: it must hold what the popover saved before any sync reads it.
        popoverList->setChangedHandler([&manager] { manager.storedListChangedHere(); });
        auto popover =
            std::make_unique<PopoverPresenter>(*m_statusItemController, statusItem, center, std::move(popoverList));
        m_statusItemController->setListToggle([presenter = popover.get()] { presenter->toggle(); });
        m_listPresenter = std::move(popover);
    } else {
        m_listPresenter = std::make_unique<PanelPresenter>(*m_statusItemController, *m_window, *this);
    }
    m_appDelegate->applicationDidFinishLaunching();
}

// The panel with its settings pane and the shortcut's pop-ups, wired and woken as they were at the start; the
// status item controller's first run has stored the settings they read.
void MainInterface::makePanel() const {
    if (m_redizadoViewController)
        return;
    m_redizadoViewController = std::make_unique<JLRedizadoViewController>(m_defaults, m_manager, m_center);
    JLHotKeyManager& hotKeyManager = m_hotKeyManager;
    m_shortcutSelector =
        std::make_unique<JLShortcutSelector>(m_defaults, [&hotKeyManager] { hotKeyManager.updateHotKey(); });
    m_statusItemController->setRedizadoViewController(m_redizadoViewController.get());
    m_statusItemController->connectRedizadoViewController();
    m_shortcutSelector->setModifierSelector1(m_redizadoViewController->modifierSelector1());
    m_shortcutSelector->setModifierSelector2(m_redizadoViewController->modifierSelector2());
    m_shortcutSelector->setKeySelector(m_redizadoViewController->keySelector());
    m_shortcutSelector->connectActions();
    m_redizadoViewController->awakeFromNib();
    m_shortcutSelector->awakeFromNib();
    if (m_popoverList) {
        m_panelListRefresh = std::make_unique<PanelListRefresh>(*m_redizadoViewController, m_manager, *m_popoverList);
        m_window->installEventFilter(m_panelListRefresh.get());
    }
    if (m_panelMade)
        m_panelMade(*m_redizadoViewController);
}

JLRedizadoViewController& MainInterface::redizadoViewController() const {
    makePanel();
    return *m_redizadoViewController;
}

void MainInterface::setPanelMadeHandler(std::function<void(JLRedizadoViewController&)> handler) {
    m_panelMade = std::move(handler);
    if (m_panelMade && m_redizadoViewController)
        m_panelMade(*m_redizadoViewController);
}

// The panel's view lives inside the window; the controller goes first so it lets go of it before the window.
MainInterface::~MainInterface() {
    m_panelListRefresh.reset();
    m_listPresenter.reset();
    m_statusItemController.reset();
    m_shortcutSelector.reset();
    m_redizadoViewController.reset();
    m_window.reset();
}
