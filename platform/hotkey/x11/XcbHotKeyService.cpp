// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbHotKeyService.h"

#include "KeyPositions.h"
#include "Log.h"
#include "XcbKeyboard.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {
constexpr std::uint8_t badAccess = 10;
constexpr std::uint16_t coreModifiers = 0xff;

xcb_connection_t* qtConnection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}
} // namespace

class XcbHotKeyService::Grabs final : public QAbstractNativeEventFilter {
public:
    struct Grab {
        xcb_keycode_t keyCode = 0;
        std::uint16_t modifiers = 0;
        std::uint16_t locks = 0;
        std::vector<std::uint16_t> grabbed; // the exact modifier sets held, to release them all
        std::uint32_t id = 0;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void ungrab(xcb_connection_t* connection, const Grab& grab) const;
    void fire(std::uint32_t id) const;

    std::map<Handle, Grab> grabs;
    Handle lastHandle = 0;
    ReleasedHandler handler;
    bool wantDetectableAutoRepeat = true;
    bool detectableAutoRepeat = false;
    bool listening = false;

private:
    void pressed(const xcb_key_press_event_t& event);
    void released(const xcb_key_release_event_t& event);

    struct PendingRelease {
        xcb_keycode_t keyCode = 0;
        xcb_timestamp_t time = 0;
        std::uint32_t id = 0;
        std::uint64_t serial = 0;
    };

    std::map<xcb_keycode_t, std::uint32_t> m_held; // key down under one of our grabs → that grab's id
    std::vector<PendingRelease> m_pending;
    std::uint64_t m_lastSerial = 0;
    QObject m_context;
};

bool XcbHotKeyService::Grabs::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto& key = *reinterpret_cast<const xcb_key_press_event_t*>(event);
    // Our grabs report to the root window; keys typed into our own windows are not the shortcut.
    if (key.event != key.root)
        return false;
    if (type == XCB_KEY_PRESS)
        pressed(key);
    else
        released(key);
    return false;
}

void XcbHotKeyService::Grabs::pressed(const xcb_key_press_event_t& event) {
    // Without detectable autorepeat a held key sends release and press pairs with one time stamp.
    const auto repeat = std::find_if(m_pending.begin(), m_pending.end(), [&](const PendingRelease& pending) {
        return pending.keyCode == event.detail && pending.time == event.time;
    });
    if (repeat != m_pending.end()) {
        m_held[event.detail] = repeat->id;
        m_pending.erase(repeat);
        return;
    }
    for (const auto& [handle, grab] : grabs) {
        const auto state = static_cast<std::uint16_t>(event.state & coreModifiers & ~grab.locks);
        if (grab.keyCode == event.detail && state == grab.modifiers) {
            m_held[event.detail] = grab.id;
            return;
        }
    }
}

void XcbHotKeyService::Grabs::released(const xcb_key_release_event_t& event) {
    const auto held = m_held.find(event.detail);
    if (held == m_held.end())
        return;
    const std::uint32_t id = held->second;
    m_held.erase(held);
    if (detectableAutoRepeat) {
        fire(id);
        return;
    }
    // A repeat's press is sent with its release, but a busy machine can read it a batch later: the release counts
    // once nothing has followed it for a moment, which only delays the shortcut on servers without detectable
    // autorepeat.
    constexpr auto repeatGrace = std::chrono::milliseconds(50);
    const std::uint64_t serial = ++m_lastSerial;
    m_pending.push_back({event.detail, event.time, id, serial});
    QTimer::singleShot(repeatGrace, &m_context, [this, serial] {
        const auto pending = std::find_if(m_pending.begin(), m_pending.end(),
                                          [serial](const PendingRelease& release) { return release.serial == serial; });
        if (pending == m_pending.end())
            return;
        const std::uint32_t releasedId = pending->id;
        m_pending.erase(pending);
        fire(releasedId);
    });
}

void XcbHotKeyService::Grabs::fire(std::uint32_t id) const {
    // A copy: the handler may replace itself while it runs.
    if (const ReleasedHandler current = handler)
        current(id);
}

void XcbHotKeyService::Grabs::ungrab(xcb_connection_t* connection, const Grab& grab) const {
    const xcb_window_t root = rootWindow(connection);
    for (const std::uint16_t modifiers : grab.grabbed)
        xcb_ungrab_key(connection, grab.keyCode, root, modifiers);
    xcb_flush(connection);
}

XcbHotKeyService::XcbHotKeyService(bool detectableAutoRepeat) : m_grabs(std::make_unique<Grabs>()) {
    m_grabs->wantDetectableAutoRepeat = detectableAutoRepeat;
}

XcbHotKeyService::~XcbHotKeyService() {
    // After Qt's connection is gone the server has dropped our grabs already.
    if (xcb_connection_t* connection = qtConnection()) {
        for (const auto& [handle, grab] : m_grabs->grabs)
            m_grabs->ungrab(connection, grab);
    }
}

HotKeyService::Registration XcbHotKeyService::registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask,
                                                             std::uint32_t id) {
    xcb_connection_t* connection = qtConnection();
    if (!connection) {
        logLine("x11",
                "global shortcuts need an X11 session; Qt runs on " + QGuiApplication::platformName().toStdString());
        return {unavailable, 0};
    }
    const auto keyCode = xKeyCodeForVirtualKeyCode(virtualKeyCode);
    if (!keyCode) {
        logLine("x11", "the key at position " + std::to_string(virtualKeyCode) + " cannot be grabbed on X11");
        return {unsupported, 0};
    }
    // On first use rather than at construction, so the service may be made before the application.
    if (!m_grabs->listening) {
        m_grabs->detectableAutoRepeat = setDetectableAutoRepeat(connection, m_grabs->wantDetectableAutoRepeat);
        qGuiApp->installNativeEventFilter(m_grabs.get());
        m_grabs->listening = true;
    }
    Grabs::Grab grab;
    grab.keyCode = *keyCode;
    grab.modifiers = xModifiers(modifierMask);
    grab.locks = lockModifiers(connection) & static_cast<std::uint16_t>(~grab.modifiers);
    grab.id = id;
    for (const auto& [handle, existing] : m_grabs->grabs) {
        // The server would let us grab it twice and then drop both with one release.
        if (existing.keyCode == grab.keyCode && existing.modifiers == grab.modifiers)
            return {taken, 0};
    }

    const xcb_window_t root = rootWindow(connection);
    // One grab for every combination of locks, so the shortcut works whichever locks are on.
    const std::vector<std::uint16_t> variants = lockVariants(grab.locks);
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint16_t locks : variants) {
        cookies.push_back(xcb_grab_key_checked(connection, 0, root, grab.modifiers | locks, grab.keyCode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    // Grabs are asynchronous: only the replies tell whether another program holds the combination.
    std::int32_t status = ok;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookies[i])) {
            if (status == ok)
                status = error->error_code == badAccess ? taken : unsupported;
            std::free(error);
        } else {
            grab.grabbed.push_back(grab.modifiers | variants[i]);
        }
    }
    if (status != ok) {
        m_grabs->ungrab(connection, grab);
        logLine("x11", "key code " + std::to_string(grab.keyCode) + " with modifiers " +
                           std::to_string(grab.modifiers) +
                           (status == taken ? " is already grabbed by another program" : " cannot be grabbed"));
        return {status, 0};
    }
    const Handle handle = ++m_grabs->lastHandle;
    m_grabs->grabs.emplace(handle, std::move(grab));
    return {ok, handle};
}

void XcbHotKeyService::unregisterHotKey(Handle handle) {
    const auto found = m_grabs->grabs.find(handle);
    if (found == m_grabs->grabs.end())
        return;
    if (xcb_connection_t* connection = qtConnection())
        m_grabs->ungrab(connection, found->second);
    m_grabs->grabs.erase(found);
}

void XcbHotKeyService::setReleasedHandler(ReleasedHandler handler) {
    m_grabs->handler = std::move(handler);
}
