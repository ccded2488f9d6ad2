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
                   JLRedizadoViewController& panel)
        : m_statusItemController(statusItemController), m_window(window), m_panel(panel) {}

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
        JLTableView* table = m_panel.redizadoTableView();
        // The new item is row 0 in either category, as one typed into the panel is.
        if (change == StoreChange::ItemAddedOnTop)
            table->insertRows(0, JLTableView::Animation::SlideLeft);
        else
            table->reloadData();
    }

private:
    JLStatusItemController& m_statusItemController;
    JLRedizadoWindow& m_window;
    JLRedizadoViewController& m_panel;
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
    : m_appDelegate(std::make_unique<JLAppDelegate>()),
      m_window(std::make_unique<JLRedizadoWindow>(allDesktops, platformWindowPlacement())) {
    UserDefaults& defaults = services.defaults;
    NotificationCenter& center = services.center;
    StatusItem& statusItem = services.statusItem;
    JLHotKeyManager& hotKeyManager = services.hotKeyManager;
    m_redizadoViewController = std::make_unique<JLRedizadoViewController>(defaults, manager, center);
    m_shortcutSelector =
        std::make_unique<JLShortcutSelector>(defaults, [&hotKeyManager] { hotKeyManager.updateHotKey(); });
    // Made before the first-run values are stored, so that on a first start the popover seeds its list.
    std::unique_ptr<JLPopoverViewController> popoverList;
    if (variant == Variant::Popover)
        popoverList = std::make_unique<JLPopoverViewController>(defaults, center);
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
    if (popoverList) {
        popoverList->awakeFromNib();
        auto popover =
            std::make_unique<PopoverPresenter>(*m_statusItemController, statusItem, center, std::move(popoverList));
        m_statusItemController->setListToggle([presenter = popover.get()] { presenter->toggle(); });
        m_panelListRefresh = std::make_unique<PanelListRefresh>(*m_redizadoViewController, manager, popover->list());
        m_window->installEventFilter(m_panelListRefresh.get());
        m_listPresenter = std::move(popover);
    } else {
        m_listPresenter =
            std::make_unique<PanelPresenter>(*m_statusItemController, *m_window, *m_redizadoViewController);
    }
    m_appDelegate->applicationDidFinishLaunching();
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
