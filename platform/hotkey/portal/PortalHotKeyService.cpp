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

#include <algorithm>
#include <optional>

namespace {
Q_LOGGING_CATEGORY(lcPortal, "redizado.hotkey", QtWarningMsg)

// How long to wait for the portal to say whether it is there at all; it may be started on demand.
constexpr int probeTimeoutMs = 3000;
// A report of the same shortcut sooner than this after the last one, with no release between, is a held key's
// repeat; a person tapping the shortcut twice is slower.
constexpr qulonglong heldRepeatMs = 700;
// How long a registration waits for the portal to take its request for a session (not to answer it).
constexpr int acceptTimeoutMs = 3000;

// Names the binding on the desktop: the same at every start, so the desktop finds the binding it kept, and the
// user's own choice of keys for it, again.
const QString sessionToken = QStringLiteral("redizado");
} // namespace

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

namespace {
// The "shortcuts" of an answer arrive still marshalled.
std::optional<PortalShortcuts> shortcutsIn(const QVariantMap& results) {
    const auto found = results.constFind(QStringLiteral("shortcuts"));
    if (found == results.constEnd())
        return std::nullopt;
    if (found->canConvert<QDBusArgument>())
        return qdbus_cast<PortalShortcuts>(found->value<QDBusArgument>());
    return found->value<PortalShortcuts>();
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
    // The shortcut acts when the desktop reports it activated: some desktops never report the release (Plasma's
    // own "invoke"). A held key may be reported again and again; those repeats come while the key is down.
    connect(m_shortcuts.get(), &PortalGlobalShortcuts::Activated, this,
            [this](const QDBusObjectPath& session, const QString& id, qulonglong timestamp) {
                if (session.path() != m_sessionPath || !m_released)
                    return;
                const auto held = m_heldSince.find(id);
                const bool repeat = held != m_heldSince.end() && timestamp - held->second < heldRepeatMs;
                m_heldSince[id] = timestamp;
                if (repeat)
                    return;
                for (const auto& [handle, shortcut] : m_registered)
                    if (shortcutId(shortcut.id) == id)
                        m_released(shortcut.id);
            });
    connect(m_shortcuts.get(), &PortalGlobalShortcuts::Deactivated, this,
            [this](const QDBusObjectPath& session, const QString& id) {
                if (session.path() == m_sessionPath)
                    m_heldSince.erase(id);
            });
    connect(m_shortcuts.get(), &PortalGlobalShortcuts::ShortcutsChanged, this,
            [this](const QDBusObjectPath& session, const PortalShortcuts& shortcuts) {
                if (session.path() == m_sessionPath)
                    adoptBinding(shortcuts);
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
    // Plasma binds only the shortcuts named here, and only here; other portals wait for BindShortcuts.
    const QVariantMap options{{QStringLiteral("session_handle_token"), sessionToken},
                              {QStringLiteral("shortcuts"), QVariant::fromValue(wantedShortcuts())}};
    // Waiting only for the portal to take the request, so that a refusal refuses the registration.
    const bool accepted = callWithRequest(
        QStringLiteral("CreateSession"), {options},
        [this](uint response, const QVariantMap& results) {
            m_creatingSession = false;
            const QString session = results.value(QStringLiteral("session_handle")).toString();
            if (response != 0 || session.isEmpty()) {
                qCWarning(lcPortal) << "the desktop portal made no shortcut session (answer" << response
                                    << "); bind \"redizado toggle\" in the desktop's keyboard settings";
                refuseBinding();
                return;
            }
            m_sessionPath = session;
            listenForReleases();
            // Every shortcut may have gone while the portal was making the session.
            if (m_registered.empty())
                closeSession();
            else if (const auto shortcuts = shortcutsIn(results); shortcuts && holdsOurs(*shortcuts))
                adoptBinding(*shortcuts);
            else
                listShortcuts();
        },
        true);
    if (!accepted) {
        // No answer will come to clear the way: the next registration asks for a session anew.
        m_creatingSession = false;
        refuseBinding();
    }
    return accepted;
}

PortalShortcuts PortalHotKeyService::wantedShortcuts() const {
    PortalShortcuts shortcuts;
    for (const auto& [handle, shortcut] : m_registered)
        shortcuts << PortalShortcut{shortcutId(shortcut.id),
                                    {{QStringLiteral("description"), tr("Show or hide the Redizado panel")},
                                     {QStringLiteral("preferred_trigger"), shortcut.trigger}}};
    return shortcuts;
}

bool PortalHotKeyService::holdsOurs(const PortalShortcuts& shortcuts) const {
    for (const auto& [handle, wanted] : m_registered)
        if (std::none_of(shortcuts.begin(), shortcuts.end(),
                         [&](const PortalShortcut& held) { return held.id == shortcutId(wanted.id); }))
            return false;
    return true;
}

void PortalHotKeyService::listShortcuts() {
    // A session may come back holding the shortcuts it kept from an earlier start without saying so in its answer.
    callWithRequest(
        QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_sessionPath)), QVariantMap()},
        [this](uint response, const QVariantMap& results) {
            if (const auto shortcuts = shortcutsIn(results); response == 0 && shortcuts && holdsOurs(*shortcuts))
                adoptBinding(*shortcuts);
            else
                bindShortcuts();
        });
}

void PortalHotKeyService::bindShortcuts() {
    // Only for a session that came back without our shortcuts: on Plasma this call opens System Settings instead.
    callWithRequest(QStringLiteral("BindShortcuts"),
                    {QVariant::fromValue(QDBusObjectPath(m_sessionPath)), QVariant::fromValue(wantedShortcuts()),
                     QString(), QVariantMap()},
                    [this](uint response, const QVariantMap& results) {
                        const auto shortcuts = shortcutsIn(results);
                        if (response == 0 && shortcuts && holdsOurs(*shortcuts)) {
                            adoptBinding(*shortcuts);
                            return;
                        }
                        if (response == 0)
                            qCWarning(lcPortal) << "the desktop portal answered without binding the shortcut; bind "
                                                   "\"redizado toggle\" in the desktop's keyboard settings";
                        else
                            qCWarning(lcPortal) << "the desktop portal did not bind the shortcut (answer" << response
                                                << "); bind \"redizado toggle\" in the desktop's keyboard settings";
                        refuseBinding();
                    });
}

void PortalHotKeyService::adoptBinding(const PortalShortcuts& shortcuts) {
    QStringList triggers;
    bool described = true;
    for (const auto& [handle, wanted] : m_registered)
        for (const auto& held : shortcuts)
            if (held.id == shortcutId(wanted.id)) {
                const QString trigger = held.options.value(QStringLiteral("trigger_description")).toString();
                described = described && held.options.contains(QStringLiteral("trigger_description"));
                if (!trigger.isEmpty())
                    triggers << trigger;
            }
    m_trigger = triggers.join(QStringLiteral(", "));
    // A desktop that describes no keys for a shortcut it holds has left it without any (another program had them).
    const bool bound = !m_trigger.isEmpty() || !described;
    if (!m_trigger.isEmpty())
        qCInfo(lcPortal).noquote() << "the desktop bound the shortcut to" << m_trigger;
    else if (bound)
        qCInfo(lcPortal) << "the desktop bound the shortcut without saying to which keys";
    else
        qCWarning(lcPortal) << "the desktop has no keys for the shortcut; choose them in its keyboard settings";
    emit bindingAnswered(bound);
    bindingChanged();
}

void PortalHotKeyService::refuseBinding() {
    m_trigger.clear();
    emit bindingAnswered(false);
    bindingChanged();
}

void PortalHotKeyService::closeSession() {
    if (m_sessionPath.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(portal::service, m_sessionPath, portal::sessionInterface,
                                                   QStringLiteral("Close")));
    m_sessionPath.clear();
    m_trigger.clear();
}
