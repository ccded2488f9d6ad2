// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SniTypes.h"
#include "StatusItem.h"
#include "TrayIconImages.h"

#include <QDBusConnection>
#include <QIcon>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

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
    void setToolTipOffered(bool offered) override;
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
    QString serviceName() const { return m_serviceName; }

    // What the D-Bus face answers and does.
    SniPixmaps iconPixmaps() const;
    SniToolTip toolTip() const;
    QString accessibleDescription() const;
    QString menuPath() const;
    QString status() const;
    void activate(int x, int y);
    void secondaryActivate(int x, int y);
    void showContextMenu(int x, int y);
    void provideActivationToken(const QString& token) { m_activationToken = token; }

signals:
    void iconChanged();
    void toolTipChanged();

private:
    void actAt(int x, int y);
    void refreshIcon();
    void act();

    QDBusConnection m_bus;
    QString m_serviceName;
    std::unique_ptr<DBusMenuExporter> m_menu;
    QPointer<QMenu> m_contextMenu;
    bool m_registered = false;
    QIcon m_image;
    bool m_isTemplate = false;
    BarTone m_barTone = BarTone::Unknown;
    // What the icon was last drawn from: the same again changes nothing the tray shows.
    struct DrawnFrom {
        qint64 image = 0;
        bool isTemplate = false;
        QString title;
        BarTone barTone = BarTone::Unknown;
        bool operator==(const DrawnFrom&) const = default;
    };
    std::optional<DrawnFrom> m_drawnFrom;
    QIcon m_icon;
    // Drawn when a host first reads them: none may ever ask.
    mutable std::optional<SniPixmaps> m_pixmaps;
    QString m_title;
    QString m_toolTip = QStringLiteral("Redizado");
    bool m_toolTipOffered = true;
    std::function<void()> m_action;
    std::optional<QRect> m_clickedAt;
    QString m_activationToken;
};
