// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLStatusItemController.h"

#include "FirstRun.h"
#include "JLHotKeyManager.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "KeptIconPlace.h"
#include "LoginItemRegistration.h"
#include "NotificationCenter.h"
#include "PanelPlacement.h"
#include "PreferencesKeys.h"
#include "SavedWindowFrames.h"
#include "ScreenCoordinates.h"
#include "StatusItem.h"
#include "TrayIconImages.h"
#include "UserDefaults.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// How soon after the panel lost the focus a click on the icon counts as the click that took it.
constexpr qint64 focusLossClickMs = 300;

QIcon iconNamed(const char* name) {
    return loadTrayImage(QLatin1String(name));
}
} // namespace

JLStatusItemController::JLStatusItemController(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services)) {}

JLStatusItemController::~JLStatusItemController() {
    // The center outlives us; a left observer would call into a freed controller.
    if (m_countObserver)
        m_services.center.removeObserver(*m_countObserver);
}

void JLStatusItemController::awakeFromNib() {
    UserDefaults& defaults = m_services.defaults;
    runFirstRunProcedure(defaults);
    StatusItem& item = m_services.statusItem;
    item.setTitle(countTitle());
    item.setToolTip(QStringLiteral("Redizado"));
    item.setAction([this] { showPopover(nullptr); });
    m_iconGlobe = iconNamed("redizadoStatusItemIcon");
    m_iconGlobeAlternate = iconNamed("redizadoStatusItemIconAlternate");
    m_iconSquare = iconNamed("redizadoStatusItemIconRound");
    m_iconSquareAlternate = iconNamed("redizadoStatusItemIconRoundAlternate");
    changeIconToAlternate(false);
    buildContextMenu();
    if (m_redizadoViewController)
        connectRedizadoViewController();
    if (m_window)
        m_window->installEventFilter(this);
    if (defaults.boolForKey(keys::shortcutKey))
        registerHotKey();
    if (!m_countObserver)
        m_countObserver =
            m_services.center.addObserver(notifications::toDoCountChanged, nullptr,
                                          [this](const NotificationCenter::Notification&) { refreshToDoCount(); });
    m_services.workspace.setActiveDesktopChangedHandler([this] { activeSpaceDidChange(); });
}

void JLStatusItemController::connectRedizadoViewController() {
    m_redizadoViewController->setDelegate(this);
    // Esc in the panel hides it the way losing the focus does, focus handed back included.
    connect(m_redizadoViewController, &JLRedizadoViewController::hideRequested, this,
            &JLStatusItemController::hideRedizadoView, Qt::UniqueConnection);
    m_redizadoViewController->setStatusBarThickness(
        [this] { return double(m_services.statusItem.statusBarThickness()); });
}

JLRedizadoViewController* JLStatusItemController::panel() {
    if (!m_redizadoViewController && m_makeRedizadoViewController)
        m_makeRedizadoViewController();
    return m_redizadoViewController;
}

void JLStatusItemController::buildContextMenu() {
    m_contextMenu = std::make_unique<QMenu>();
    m_contextMenu->addAction(tr("Show or Hide Redizado"), this, [this] { toggleRedizadoView(); });
    m_contextMenu->addAction(tr("Settings\u2026"), this, [this] {
        if (!m_window || !m_window->isVisible())
            showRedizadoView();
        if (JLRedizadoViewController* shown = panel(); shown && !shown->tableScrollView()->isHidden())
            shown->showSettings(nullptr);
    });
    m_contextMenu->addAction(tr("About Redizado"), this, [this] {
        if (JLRedizadoViewController* about = panel())
            about->aboutMessage(nullptr);
    });
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("Quit Redizado"), qApp, &QCoreApplication::quit);
    m_services.statusItem.setContextMenu(m_contextMenu.get());
}

QString JLStatusItemController::countTitle() const {
    const UserDefaults& defaults = m_services.defaults;
    if (!defaults.boolForKey(keys::showToDoCount))
        return QString();
    return QString::number(defaults.integerForKey(keys::toDoCountKey));
}

void JLStatusItemController::refreshToDoCount() {
    m_services.statusItem.setTitle(countTitle());
}

void JLStatusItemController::registerHotKey() {
    m_services.hotKeyManager.registerHotKeyWithTarget(this, [](void* target, const HotKeyEvent&) {
        static_cast<JLStatusItemController*>(target)->hotKeyTriggered();
    });
}

void JLStatusItemController::showPopover(QObject*) {
    // The panel already hid because this very click took its focus: leave it closed.
    if (m_hiddenByFocusLoss.isValid() && m_hiddenByFocusLoss.elapsed() < focusLossClickMs) {
        m_hiddenByFocusLoss.invalidate();
        return;
    }
    const bool wasClicked = std::exchange(m_clicked, true);
    toggleRedizadoView();
    m_clicked = wasClicked;
}

void JLStatusItemController::hotKeyTriggered() {
    toggleRedizadoView();
}

void JLStatusItemController::toggleRedizadoView() {
    if (m_listToggle) {
        m_listToggle();
        return;
    }
    // The tray icon has no window that could hold the focus; a panel on screen counts as shown even when the
    // window manager has not given it the focus yet.
    if (m_window && (m_window->isActiveWindow() || m_window->isVisible()))
        hideRedizadoView();
    else
        showRedizadoView();
}

std::optional<QRectF> JLStatusItemController::iconFrame() {
    if (const auto icon = m_services.statusItem.geometry(); icon && !icon->isEmpty()) {
        if (m_keptIconPlace)
            m_keptIconPlace->keep(*icon);
        return toBottomLeft(QRectF(*icon));
    }
    // A click the tray did not place: on X11 the pointer is on the icon. Elsewhere, or for the shortcut, the
    // pointer may be anywhere.
    if (m_clicked && m_services.pointerReadable) {
        const double side = std::max(1, m_services.statusItem.statusBarThickness());
        QRectF around(0, 0, side, side);
        around.moveCenter(QCursor::pos());
        return toBottomLeft(around);
    }
    if (const auto kept = m_keptIconPlace ? m_keptIconPlace->place() : std::nullopt)
        return toBottomLeft(QRectF(*kept));
    return std::nullopt;
}

PanelFrame JLStatusItemController::panelFrameFor(QSizeF size) {
    PlacementFacts facts{
        size,
        iconFrame(),
        {},
        savedFrameWithName(m_services.defaults, QString::fromLatin1(JLRedizadoViewController::frameAutosaveName))};
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const ScreenArea area{toBottomLeft(QRectF(screen->geometry())),
                              toBottomLeft(QRectF(screen->availableGeometry()))};
        if (screen == primary)
            facts.screens.insert(facts.screens.begin(), area);
        else
            facts.screens.push_back(area);
    }
    return placePanel(facts);
}

void JLStatusItemController::showRedizadoView() {
    if (!m_window || !panel())
        return;
    changeIconToAlternate(true);
    rememberFocusedApp();
    m_redizadoViewController->showWithWindow(*m_window, panelFrameFor(windowFrame(*m_window).size()));
    if (m_window->isActiveWindow())
        windowDidBecomeKey();
    else
        m_services.workspace.focusOwnWindow(m_window->winId());
}

void JLStatusItemController::hideRedizadoView() {
    changeIconToAlternate(false);
    if (m_window && m_redizadoViewController) {
        // Hiding takes the focus away too; that loss is ours, not a click elsewhere.
        const bool wasHiding = std::exchange(m_hiding, true);
        m_redizadoViewController->hideWithWindow(*m_window);
        m_hiding = wasHiding;
    }
    handFocusBack();
}

void JLStatusItemController::rememberFocusedApp() {
    m_previouslyFocusedApp = m_services.workspace.frontmostApplication();
}

void JLStatusItemController::handFocusBack() {
    if (m_previouslyFocusedApp) {
        m_services.workspace.activate(m_previouslyFocusedApp);
        m_previouslyFocusedApp = 0;
    }
}

void JLStatusItemController::changeIconToAlternate(bool alternate) {
    const bool square = m_services.defaults.boolForKey(keys::squareIcon);
    const QIcon& icon =
        square ? (alternate ? m_iconSquareAlternate : m_iconSquare) : (alternate ? m_iconGlobeAlternate : m_iconGlobe);
    // The hidden-state images are silhouettes the tray recolours; the shown-state ones keep their colours.
    m_services.statusItem.setImage(icon, !alternate);
    // A tool tip from the pointer resting on the icon would cover the panel's entry field.
    m_services.statusItem.setToolTipOffered(!alternate);
    if (alternate)
        QToolTip::hideText();
}

void JLStatusItemController::activeSpaceDidChange() {
    m_previouslyFocusedApp = 0;
}

void JLStatusItemController::windowDidBecomeKey() {
    if (m_redizadoViewController)
        m_redizadoViewController->entryField()->setFocus(Qt::ActiveWindowFocusReason);
}

void JLStatusItemController::windowDidResignKey() {
    if (!m_window || !m_window->isVisible() || m_hiding)
        return;
    // A message the panel opened (the about box) takes the focus on top of it; the panel waits for it to close.
    if (const QWidget* modal = QApplication::activeModalWidget();
        modal && modal != m_window && modal->parentWidget() && modal->parentWidget()->window() == m_window)
        return;
    m_hiddenByFocusLoss.start();
    hideRedizadoView();
}

bool JLStatusItemController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::WindowActivate)
            windowDidBecomeKey();
        else if (event->type() == QEvent::WindowDeactivate)
            windowDidResignKey();
    }
    return QObject::eventFilter(watched, event);
}

void JLStatusItemController::popoverWillShow() {
    if (m_window)
        m_window->activateWindow();
    m_services.center.postNotificationName(notifications::popoverWillBecomeVisible, this);
}

void JLStatusItemController::popoverDidShow() {
    m_services.center.postNotificationName(notifications::popoverVisible, this);
}

void JLStatusItemController::hideAfterEntry() {
    hideRedizadoView();
}

void JLStatusItemController::setLaunchAppAtLogin(bool launchAtLogin) {
    if (launchAtLogin)
        addAppAsLoginItem();
    else
        deleteAppFromLoginItem();
    m_services.defaults.setBool(keys::launchAtLogin, launchAtLogin);
    m_services.defaults.synchronize();
}

void JLStatusItemController::setIconAlternate(bool alternate) {
    m_services.defaults.setBool(keys::squareIcon, alternate);
    m_services.defaults.synchronize();
    changeIconToAlternate(true);
}

void JLStatusItemController::setShowToDoCount(bool showCount) {
    m_services.statusItem.setTitle(showCount ? QString::number(m_services.defaults.integerForKey(keys::toDoCountKey))
                                             : QString());
    m_services.defaults.setBool(keys::showToDoCount, showCount);
    m_services.defaults.synchronize();
}

void JLStatusItemController::setShortcut(bool enabled) {
    if (enabled)
        registerHotKey();
    else
        m_services.hotKeyManager.unregisterHotKey();
    m_services.defaults.setBool(keys::shortcutKey, enabled);
    m_services.defaults.synchronize();
}

void JLStatusItemController::addAppAsLoginItem() {
    ::addAppAsLoginItem(m_services.loginItems, m_services.appPath);
}

void JLStatusItemController::deleteAppFromLoginItem() {
    ::deleteAppFromLoginItem(m_services.loginItems, m_services.appPath);
}
