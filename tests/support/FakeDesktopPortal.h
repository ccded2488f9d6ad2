// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortalProxies.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>

// A desktop portal, served by PrivateBusTest::startPortal from a thread of its own as a separate process would. Its
// settings answer Read for the colour scheme alone. Its global shortcuts bind when asked, showing the keys asked
// for. (The desktops that bind at the start of the session, and keep the user's keys, are met in the desktop
// sessions.) The public fields are set before the portal starts.
class FakeDesktopPortal final : public QDBusVirtualObject {
public:
    QVariant colorScheme = uint(0); // inside the variant Read answers
    uint bindAnswer = 0;            // what the "user" answers when asked to bind
    bool bindAnswersEmpty = false;  // BindShortcuts answers "done" having bound nothing
    bool refuseSessions = false;    // CreateSession fails outright, as a portal without the interface's backend does

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        const QVariantList arguments = message.arguments();
        QMutexLocker locker(&m_mutex);
        if (message.interface() == QLatin1String("org.freedesktop.portal.Settings")) {
            if (member == QLatin1String("Read") && arguments.value(0) == QLatin1String("org.freedesktop.appearance") &&
                arguments.value(1) == QLatin1String("color-scheme"))
                connection.send(message.createReply(QVariant::fromValue(QDBusVariant(colorScheme))));
            else
                connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                                         QStringLiteral("no such setting")));
        } else if (member == QLatin1String("Get")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
        } else if (member == QLatin1String("CreateSession") && refuseSessions) {
            connection.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("no sessions here")));
        } else if (member == QLatin1String("CreateSession")) {
            const auto options = unmarshalled<QVariantMap>(arguments.value(0));
            m_session = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                            .arg(sender(message), options.value(QStringLiteral("session_handle_token")).toString());
            respond(message, connection, 0, {{QStringLiteral("session_handle"), m_session}});
        } else if (member == QLatin1String("ListShortcuts")) {
            respond(message, connection, 0, {});
        } else if (member == QLatin1String("BindShortcuts")) {
            auto shortcuts = unmarshalled<PortalShortcuts>(arguments.value(1));
            for (PortalShortcut& shortcut : shortcuts) {
                const QVariant keys = shortcut.options.value(QStringLiteral("preferred_trigger"));
                m_bound << shortcut.id + QLatin1Char(' ') + keys.toString();
                shortcut.options = {{QStringLiteral("trigger_description"), keys}};
            }
            QVariantMap results;
            if (bindAnswer == 0 && !bindAnswersEmpty)
                results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts));
            respond(message, connection, bindAnswer, results);
        } else if (member == QLatin1String("Close")) {
            m_closed << message.path();
            connection.send(message.createReply());
        } else {
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, member));
        }
        return true;
    }

    // What the desktop says, from the portal's connection, as a signal of one of its interfaces.
    static void tell(const char* interface, const char* member, const QVariantList& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QLatin1String("org.freedesktop.portal.") + QLatin1String(interface), QString::fromLatin1(member));
        signal.setArguments(arguments);
        QDBusConnection(QStringLiteral("portal")).send(signal);
    }

    // Read from the test's thread while the portal answers.
    // "id preferred-trigger" of each shortcut asked for
    QStringList bound() const { return locked(&FakeDesktopPortal::m_bound); }
    QStringList closed() const { return locked(&FakeDesktopPortal::m_closed); }
    QString session() const { return locked(&FakeDesktopPortal::m_session); }

private:
    // Arguments of a message to a virtual object arrive still marshalled.
    template <typename T> static T unmarshalled(const QVariant& argument) {
        return argument.canConvert<QDBusArgument>() ? qdbus_cast<T>(argument.value<QDBusArgument>())
                                                    : argument.value<T>();
    }
    // The copy is made under the lock: the portal's thread may be changing the member.
    template <typename T> T locked(T FakeDesktopPortal::*member) const {
        QMutexLocker locker(&m_mutex);
        return this->*member;
    }
    static QString sender(const QDBusMessage& message) {
        return message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    }
    // Answers through a request object, as the portal's asynchronous methods do.
    void respond(const QDBusMessage& message, const QDBusConnection& connection, uint response,
                 const QVariantMap& results) {
        const auto options = unmarshalled<QVariantMap>(message.arguments().last());
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(sender(message), options.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage answer = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << response << results;
        connection.send(answer);
    }

    mutable QMutex m_mutex;
    QStringList m_bound, m_closed;
    QString m_session;
};
