// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SniTypes.h"
#include "StatusItem.h"
#include "TrayIconImages.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class DBusMenuExporter;

// The status item offered over D-Bus to a tray that hosts StatusNotifierItems. The host says where a click
// happened and hands over a token that lets the panel take the focus on Wayland, which Qt's own item drops.
class SniStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    explicit SniStatusItem(QDBusConnection bus, QObject* parent = nullptr);
    ~SniStatusItem() override;

    void setImage(const QIcon& image, bool isTemplate) override;
    void setTitle(const QString& title) override;
    void setToolTip(const QString& toolTip) override;
    void setAction(std::function<void()> action) override;
    void setContextMenu(QMenu* menu) override;
    std::optional<QRect> geometry() const override;
    void showMessage(const QString& title, const QString& message) override;
    // What the desktop says of its bar's colour.
    void setBarTone(BarTone bar);
    bool isAvailable() const override { return m_registered; }
    int statusBarThickness() const override;

    // Asks the running watcher to show the item; done(true) once it has.
    void registerWithWatcher(std::function<void(bool)> done);
    // The watcher is gone: the item is on no tray until registered again.
    void forgetWatcher();
    // GNOME's tray extension opens the item's menu on a single left click and activates only on a double click:
    // there the menu opening is the click, and the item steps aside so that the shell closes its menu.
    void setMenuOpeningActivates(bool activates) { m_menuOpeningActivates = activates; }
    QString serviceName() const { return m_serviceName; }

    // What the D-Bus face answers and does.
    SniPixmaps iconPixmaps() const;
    SniToolTip toolTip() const;
    QString accessibleDescription() const;
    QString menuPath() const;
    // "Active", or "Passive" while the item waits for the tray to close the menu it opened.
    QString status() const;
    void activate(int x, int y);
    void secondaryActivate(int x, int y);
    void showContextMenu(int x, int y);
    void provideActivationToken(const QString& token) { m_activationToken = token; }

signals:
    void iconChanged();
    void toolTipChanged();
    void statusChanged(const QString& status);

private:
    void menuOpenChanged(bool opened);
    void setPassive(bool passive);
    void actAt(int x, int y);
    void refreshIcon();
    void act();

    QDBusConnection m_bus;
    QString m_serviceName;
    std::unique_ptr<DBusMenuExporter> m_menu;
    QPointer<QMenu> m_contextMenu;
    bool m_registered = false;
    bool m_menuOpeningActivates = false;
    bool m_passive = false;
    // Comes back should the tray never say that its menu closed.
    QTimer m_menuCloseWait;
    QElapsedTimer m_actedOnMenu;
    QIcon m_image;
    bool m_isTemplate = false;
    BarTone m_barTone = BarTone::Unknown;
    QIcon m_icon;
    // Drawn when a host first reads them: none may ever ask.
    mutable std::optional<SniPixmaps> m_pixmaps;
    QString m_title;
    QString m_toolTip = QStringLiteral("Redizado");
    std::function<void()> m_action;
    std::optional<QRect> m_clickedAt;
    QString m_activationToken;
};
