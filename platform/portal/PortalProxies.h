// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QList>
#include <QVariantMap>

class QDBusArgument;

// The desktop portal's objects as Qt sees them; connecting to a signal here subscribes to the D-Bus signal.
namespace portal {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString globalShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
inline const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
} // namespace portal

// One shortcut as the portal passes it, a(sa{sv}) on the bus: our id for it, and "description",
// "preferred_trigger" from us or "trigger_description" from the desktop.
struct PortalShortcut {
    QString id;
    QVariantMap options;
};
using PortalShortcuts = QList<PortalShortcut>;
Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// One pending portal call: its answer comes as the Response signal of the request object.
class PortalRequest final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    PortalRequest(const QString& path, const QDBusConnection& bus, QObject* parent = nullptr)
        : QDBusAbstractInterface(portal::service, path, "org.freedesktop.portal.Request", bus, parent) {}

signals:
    // 0: done; 1: the user said no; 2: anything else went wrong.
    void Response(uint response, const QVariantMap& results);
};

class PortalGlobalShortcuts final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    explicit PortalGlobalShortcuts(const QDBusConnection& bus, QObject* parent = nullptr)
        : QDBusAbstractInterface(portal::service, portal::desktopPath, "org.freedesktop.portal.GlobalShortcuts", bus,
                                 parent) {}

signals:
    void Activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp, const QVariantMap& options);
    void Deactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    // The user bound our shortcuts to other keys in the desktop's settings. QList spelled out: QtDBus matches the
    // signal by this type's registered name, which the alias does not have.
    void ShortcutsChanged(const QDBusObjectPath& session, const QList<PortalShortcut>& shortcuts);
};

// The desktop's settings, read-only to us; Read answers a setting's value in a variant.
class PortalSettings final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    explicit PortalSettings(const QDBusConnection& bus, QObject* parent = nullptr)
        : QDBusAbstractInterface(portal::service, portal::desktopPath, "org.freedesktop.portal.Settings", bus, parent) {
    }

signals:
    void SettingChanged(const QString& settingNamespace, const QString& key, const QDBusVariant& value);
};
