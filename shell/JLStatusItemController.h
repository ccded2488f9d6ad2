// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLRedizadoViewControllerDelegate.h"
#include "NotificationCenter.h"
#include "PanelPlacement.h"
#include "Workspace.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QPointF>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class JLHotKeyManager;
class JLRedizadoViewController;
class JLRedizadoWindow;
class KeptIconPlace;
class LoginItems;

class QMenu;
class StatusItem;
class UserDefaults;

// The tray icon and everything it drives: the count, showing and hiding the panel, handing the focus back,
// and the settings the panel's pane changes. Its start is the program's start.
class JLStatusItemController final : public QObject, public JLRedizadoViewControllerDelegate {
    Q_OBJECT
public:
    struct Services {
        UserDefaults& defaults;
        NotificationCenter& center;
        StatusItem& statusItem;
        Workspace& workspace;
        LoginItems& loginItems;
        JLHotKeyManager& hotKeyManager;
        // The program's own path, as the login items name it.
        std::string appPath;
        // Whether the pointer can be read where it is now (X11); elsewhere only a stale place is known.
        bool pointerReadable;
    };

    explicit JLStatusItemController(Services services, QObject* parent = nullptr);
    ~JLStatusItemController() override;

    JLRedizadoViewController* redizadoViewController() const { return m_redizadoViewController; }
    void setRedizadoViewController(JLRedizadoViewController* controller) { m_redizadoViewController = controller; }
    // Makes the panel and sets it here, when it is first needed: none is made before.
    void setRedizadoViewControllerMaker(std::function<void()> make) { m_makeRedizadoViewController = std::move(make); }
    // Takes the panel's requests and tells it where the icon is; awakeFromNib does it for a panel set before.
    void connectRedizadoViewController();
    JLRedizadoWindow* window() const { return m_window; }
    void setWindow(JLRedizadoWindow* window) { m_window = window; }

    void awakeFromNib();

    void showPopover(QObject* sender);
    void hotKeyTriggered();
    void toggleRedizadoView();
    void showRedizadoView();
    void hideRedizadoView();
    void changeIconToAlternate(bool alternate);
    void refreshToDoCount();
    void activeSpaceDidChange();
    void windowDidBecomeKey();
    void windowDidResignKey();
    void popoverWillShow();
    void popoverDidShow();
    // Clicks, the shortcut and the menu's show-or-hide go here instead of to the panel (the popover variant).
    void setListToggle(std::function<void()> toggle) { m_listToggle = std::move(toggle); }
    // What showing and hiding do with the focus, for whatever shows the list.
    void rememberFocusedApp();
    void handFocusBack();

    void hideAfterEntry() override;
    void setLaunchAppAtLogin(bool launchAtLogin) override;
    void setIconAlternate(bool alternate) override;
    void setShowToDoCount(bool showCount) override;
    void setShortcut(bool enabled) override;

    void addAppAsLoginItem();
    void deleteAppFromLoginItem();

    Workspace::Application previouslyFocusedApp() const { return m_previouslyFocusedApp; }
    // Where a panel of this size goes and where its arrow points, from the best of what is known of the icon.
    PanelFrame panelFrameFor(QSizeF size);
    // Where the icon was last seen, kept across starts; nothing keeps it without one.
    void setKeptIconPlace(KeptIconPlace* kept) { m_keptIconPlace = kept; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The panel, made if it is not yet.
    JLRedizadoViewController* panel();
    QString countTitle() const;
    void registerHotKey();
    void buildContextMenu();
    std::optional<QRectF> iconFrame();

    Services m_services;
    QIcon m_iconSquare;
    QIcon m_iconSquareAlternate;
    QIcon m_iconGlobe;
    QIcon m_iconGlobeAlternate;
    Workspace::Application m_previouslyFocusedApp = 0;
    JLRedizadoViewController* m_redizadoViewController = nullptr;
    std::function<void()> m_makeRedizadoViewController;
    JLRedizadoWindow* m_window = nullptr;
    std::function<void()> m_listToggle;
    std::unique_ptr<QMenu> m_contextMenu;
    std::optional<NotificationCenter::ObserverId> m_countObserver;
    // A click on the icon takes the focus from the panel before it arrives; it must not reopen it.
    QElapsedTimer m_hiddenByFocusLoss;
    bool m_hiding = false;
    // Set while a click on the icon is handled: only then is the pointer on it.
    bool m_clicked = false;
    KeptIconPlace* m_keptIconPlace = nullptr;
};
