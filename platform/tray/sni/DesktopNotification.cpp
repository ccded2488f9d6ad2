// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotification.h"

#include "LogCategories.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

void notifyDesktop(const QDBusConnection& bus, const QString& title, const QString& message, QObject* context,
                   std::function<void()> failed) {
    qCWarning(lcTray).noquote() << title << "-" << message;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The body is read as markup by some servers: a title or path holding "<" must show as written.
    notify << QStringLiteral("Redizado") << uint(0) << QStringLiteral("redizado") << title << message.toHtmlEscaped()
           << QStringList() << QVariantMap() << -1;
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(notify), context);
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, context,
                     [failed = std::move(failed)](QDBusPendingCallWatcher* watcher) {
                         watcher->deleteLater();
                         const QDBusPendingReply<uint> reply = *watcher;
                         if (!reply.isError())
                             return;
                         qCInfo(lcTray).noquote() << "no desktop notifications:" << reply.error().message();
                         if (failed)
                             failed();
                     });
}
