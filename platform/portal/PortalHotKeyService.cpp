// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalHotKeyService.h"

#include "PortalProxies.h"
#include "PortalTrigger.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>
#include <QRandomGenerator>

namespace {
Q_LOGGING_CATEGORY(lcPortal, "redizado.hotkey")

// How long to wait for the portal to say whether it is there at all; it may be started on demand.
constexpr int probeTimeoutMs = 3000;
// How long a registration waits for the portal to take its request for a session (not to answer it).
constexpr int acceptTimeoutMs = 3000;

struct PortalShortcut {
    QString id;
    QVariantMap options;
};
using PortalShortcuts = QList<PortalShortcut>;
} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace {
QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.options;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.options;
    argument.endStructure();
    return argument;
}

// The portal's request and session objects are named after our unique name on the bus, without ':' and '.'.
QString senderPart(const QDBusConnection& bus) {
    return bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
}
} // namespace

std::unique_ptr<PortalHotKeyService> PortalHotKeyService::create(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return nullptr;
    QDBusMessage get = QDBusMessage::createMethodCall(
        portal::service, portal::desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << portal::globalShortcutsInterface << QStringLiteral("version");
    const QDBusMessage answer = bus.call(get, QDBus::Block, probeTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage) {
        qCDebug(lcPortal) << "no desktop portal for global shortcuts:" << answer.errorMessage();
        return nullptr;
    }
    return std::unique_ptr<PortalHotKeyService>(new PortalHotKeyService(bus));
}

PortalHotKeyService::PortalHotKeyService(const QDBusConnection& bus) : m_bus(bus) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
}

void PortalHotKeyService::listenForReleases() {
    if (m_shortcuts)
        return;
    m_shortcuts = std::make_unique<PortalGlobalShortcuts>(m_bus);
    // The portal tells press and release apart; the shortcut acts on the release, as it does on X11.
    connect(m_shortcuts.get(), &PortalGlobalShortcuts::Deactivated, this,
            [this](const QDBusObjectPath& session, const QString& id) {
                if (session.path() != m_sessionPath || !m_released)
                    return;
                for (const auto& [handle, shortcut] : m_registered)
                    if (shortcutId(shortcut.id) == id)
                        m_released(shortcut.id);
            });
}

PortalHotKeyService::~PortalHotKeyService() {
    closeSession();
}

QString PortalHotKeyService::shortcutId(std::uint32_t id) const {
    return QStringLiteral("toggle-panel-%1").arg(id);
}

HotKeyService::Registration PortalHotKeyService::registerHotKey(std::uint16_t virtualKeyCode,
                                                                std::uint32_t modifierMask, std::uint32_t id) {
    const auto trigger = portalTrigger(virtualKeyCode, modifierMask);
    if (!trigger)
        return {unsupported, 0};
    const Handle handle = m_nextHandle++;
    m_registered[handle] = Shortcut{*trigger, id};
    // A portal binds shortcuts once per session: a changed set needs a new session.
    closeSession();
    if (!createSession()) {
        m_registered.erase(handle);
        return {unavailable, 0};
    }
    return {ok, handle};
}

void PortalHotKeyService::unregisterHotKey(Handle handle) {
    if (m_registered.erase(handle) == 0)
        return;
    closeSession();
    if (!m_registered.empty())
        createSession();
}

void PortalHotKeyService::setReleasedHandler(ReleasedHandler handler) {
    m_released = std::move(handler);
}

bool PortalHotKeyService::callWithRequest(const QString& method, QList<QVariant> arguments,
                                          std::function<void(uint, const QVariantMap&)> done, bool waitForAcceptance) {
    const QString token = QStringLiteral("redizado%1_%2").arg(++m_tokens).arg(QRandomGenerator::global()->generate());
    // Listening before the call: the answer can come before the call returns.
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(senderPart(m_bus), token);
    auto* request = new PortalRequest(path, m_bus, this);
    connect(request, &PortalRequest::Response, this, [request, done](uint response, const QVariantMap& results) {
        request->deleteLater();
        done(response, results);
    });
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    QDBusMessage call =
        QDBusMessage::createMethodCall(portal::service, portal::desktopPath, portal::globalShortcutsInterface, method);
    call.setArguments(arguments);
    // A refused call never answers through its request.
    const auto refused = [request, method](const QDBusError& error) {
        qCWarning(lcPortal) << "the desktop portal refused" << method << ":" << error.message();
        request->deleteLater();
    };
    if (waitForAcceptance) {
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, acceptTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        refused(QDBusError(reply));
        return false;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, refused, done] {
        watcher->deleteLater();
        if (watcher->isError()) {
            refused(watcher->error());
            done(2, {});
        }
    });
    return true;
}

bool PortalHotKeyService::createSession() {
    // The session on its way binds every shortcut registered by the time it comes.
    if (m_creatingSession)
        return true;
    m_creatingSession = true;
    const QString sessionToken = QStringLiteral("redizado%1").arg(QRandomGenerator::global()->generate());
    // Waiting only for the portal to take the request, so that a refusal refuses the registration.
    const bool accepted = callWithRequest(
        QStringLiteral("CreateSession"), {QVariantMap{{QStringLiteral("session_handle_token"), sessionToken}}},
        [this](uint response, const QVariantMap& results) {
            m_creatingSession = false;
            const QString session = results.value(QStringLiteral("session_handle")).toString();
            if (response != 0 || session.isEmpty()) {
                qCWarning(lcPortal) << "the desktop portal made no shortcut session (answer" << response
                                    << "); bind \"redizado toggle\" in the desktop's keyboard settings";
                emit bindingAnswered(false);
                return;
            }
            m_sessionPath = session;
            listenForReleases();
            // Every shortcut may have gone while the portal was making the session.
            if (m_registered.empty())
                closeSession();
            else
                bindShortcuts();
        },
        true);
    if (!accepted) {
        // No answer will come to clear the way: the next registration asks for a session anew.
        m_creatingSession = false;
        emit bindingAnswered(false);
    }
    return accepted;
}

void PortalHotKeyService::bindShortcuts() {
    PortalShortcuts shortcuts;
    for (const auto& [handle, shortcut] : m_registered)
        shortcuts << PortalShortcut{shortcutId(shortcut.id),
                                    {{QStringLiteral("description"), tr("Show or hide the Redizado panel")},
                                     {QStringLiteral("preferred_trigger"), shortcut.trigger}}};
    callWithRequest(
        QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(m_sessionPath)), QVariant::fromValue(shortcuts), QString(), QVariantMap()},
        [this](uint response, const QVariantMap&) {
            if (response != 0)
                qCWarning(lcPortal) << "the desktop portal did not bind the shortcut (answer" << response
                                    << "); bind \"redizado toggle\" in the desktop's keyboard settings";
            else
                qCInfo(lcPortal) << "the desktop portal bound the shortcut";
            emit bindingAnswered(response == 0);
        });
}

void PortalHotKeyService::closeSession() {
    if (m_sessionPath.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(portal::service, m_sessionPath, portal::sessionInterface,
                                                   QStringLiteral("Close")));
    m_sessionPath.clear();
}
