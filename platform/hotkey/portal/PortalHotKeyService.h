// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"
#include "PortalProxies.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class PortalGlobalShortcuts;

// Global shortcuts where no program may grab keys (Wayland): asked of the XDG desktop portal, which may ask the
// user and binds them for the whole desktop. A registration waits only until the portal takes the request for a
// session, so a portal that will not make one refuses the registration. Its answers come later, after the
// registration has returned: the keys the desktop bound, or its refusal, are logged and told through bindingAnswered
// and bindingChanged.
class PortalHotKeyService final : public QObject, public HotKeyService {
    Q_OBJECT
public:
    // Nothing when the bus has no portal offering global shortcuts.
    static std::unique_ptr<PortalHotKeyService> create(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalHotKeyService() override;

    Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) override;
    void unregisterHotKey(Handle handle) override;
    void setReleasedHandler(ReleasedHandler handler) override;
    Route route() const override { return Route::portal; }
    std::string boundTrigger() const override { return m_trigger.toStdString(); }

    // The portal's session with our shortcuts in it; empty until the portal has made it.
    QString sessionPath() const { return m_sessionPath; }

signals:
    // The portal has answered a binding: true when our shortcuts are bound.
    void bindingAnswered(bool bound);

private:
    explicit PortalHotKeyService(const QDBusConnection& bus);
    struct Shortcut {
        QString trigger;
        std::uint32_t id = 0;
    };
    QString shortcutId(std::uint32_t id) const;
    // Calls a portal method that answers through a request object, and hands the answer to done. A call the portal
    // refuses is answered as failed (2); with waitForAcceptance it returns false instead and done is never called.
    bool callWithRequest(const QString& method, QList<QVariant> arguments,
                         std::function<void(uint response, const QVariantMap& results)> done,
                         bool waitForAcceptance = false);
    // False when the portal refused to start making a session.
    bool createSession();
    void listenForReleases();
    PortalShortcuts wantedShortcuts() const;
    // True when every registered shortcut is among those the desktop holds for our session.
    bool holdsOurs(const PortalShortcuts& shortcuts) const;
    void listShortcuts();
    void bindShortcuts();
    // Takes the keys the desktop reports for our shortcuts, logs them and tells the caller.
    void adoptBinding(const PortalShortcuts& shortcuts);
    void refuseBinding();
    void closeSession();

    QDBusConnection m_bus;
    std::unique_ptr<PortalGlobalShortcuts> m_shortcuts;
    std::map<Handle, Shortcut> m_registered;
    Handle m_nextHandle = 1;
    QString m_sessionPath;
    QString m_trigger;
    bool m_creatingSession = false;
    int m_tokens = 0;
    ReleasedHandler m_released;
    // The time of the last activation of each shortcut whose key is still down, as the portal reports it.
    std::map<QString, qulonglong> m_heldSince;
};
