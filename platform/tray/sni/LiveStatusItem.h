// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SniStatusItem.h"
#include "StatusItem.h"
#include "TrayStatusItem.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

// The status item on whichever tray the desktop runs now: a StatusNotifierItem host while one owns the watcher
// name, the X11 tray otherwise, following both as they come, go and replace each other.
class LiveStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    enum class Tray { none, statusNotifier, x11 };

    explicit LiveStatusItem(SystemTrayHost& x11Tray, QDBusConnection bus = QDBusConnection::sessionBus(),
                            QObject* parent = nullptr);
    ~LiveStatusItem() override;

    void setImage(const QIcon& image, bool isTemplate) override;
    void setTitle(const QString& title) override;
    void setToolTip(const QString& toolTip) override;
    void setToolTipOffered(bool offered) override;
    void setAction(std::function<void()> action) override;
    void setContextMenu(QMenu* menu) override;
    std::optional<QRect> geometry() const override;
    void showMessage(const QString& title, const QString& message) override;
    bool isAvailable() const override;
    int statusBarThickness() const override;

    Tray tray() const;
    // The process that hosts the StatusNotifierItem, when one does.
    QString host() const { return m_host; }
    SniStatusItem& statusNotifierItem() { return m_sni; }
    TrayStatusItem& x11Item() { return m_x11; }
    // What the desktop says of its bar's colour, for the X11 icon when its tray says nothing.
    void setBarTone(BarTone bar) {
        m_sni.setBarTone(bar);
        m_x11.setBarTone(bar);
    }

private:
    void watcherAppeared(int attemptsLeft);
    void watcherVanished();
    QString processOwning(const QString& service) const;

    QDBusConnection m_bus;
    SystemTrayHost& m_x11Tray;
    bool m_onStatusNotifier = false;
    SniStatusItem m_sni;
    TrayStatusItem m_x11;
    QDBusServiceWatcher m_watcher;
    QString m_host;
};
