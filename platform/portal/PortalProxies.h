// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractInterface>
#include <QDBusObjectPath>
#include <QVariantMap>

// The desktop portal's objects as Qt sees them; connecting to a signal here subscribes to the D-Bus signal.
namespace portal {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString globalShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
inline const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
} // namespace portal

// One pending portal call: its answer comes as the Response signal of the request object.
class PortalRequest final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    PortalRequest(const QString &path, const QDBusConnection &bus, QObject *parent = nullptr)
        : QDBusAbstractInterface(portal::service, path, "org.freedesktop.portal.Request", bus, parent)
    {
    }

signals:
    // 0: done; 1: the user said no; 2: anything else went wrong.
    void Response(uint response, const QVariantMap &results);
};

class PortalGlobalShortcuts final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    explicit PortalGlobalShortcuts(const QDBusConnection &bus, QObject *parent = nullptr)
        : QDBusAbstractInterface(portal::service, portal::desktopPath, "org.freedesktop.portal.GlobalShortcuts", bus,
                                 parent)
    {
    }

signals:
    void Activated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp, const QVariantMap &options);
    void Deactivated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                     const QVariantMap &options);
};
