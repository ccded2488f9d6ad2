// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Workspace.h"

#include "XcbReplies.h"

#include "LogCategories.h"
#include "QtWorkspace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
template <typename T> using Reply = XcbReply<T>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// A pager's request: window managers honour it even against their focus-stealing rules.
constexpr std::uint32_t kSourcePager = 2;
} // namespace

X11Workspace::X11Workspace() {
    xcb_connection_t* c = connection();
    if (!c) {
        qCWarning(lcWorkspace) << "not on an X11 display; the frontmost application cannot be followed";
        return;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    m_atoms.activeWindow = internXcbAtom(c, "_NET_ACTIVE_WINDOW");
    m_atoms.currentDesktop = internXcbAtom(c, "_NET_CURRENT_DESKTOP");
}

X11Workspace::~X11Workspace() {
    if (m_watching && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11Workspace::available() {
    return QGuiApplication::platformName() == QLatin1String("xcb") && connection();
}

std::optional<std::uint32_t> X11Workspace::rootCardinal(std::uint32_t atom) const {
    xcb_connection_t* c = connection();
    if (!c || atom == XCB_ATOM_NONE)
        return std::nullopt;
    // Any 32-bit type is taken: some window managers write CARDINAL where WINDOW is meant.
    const auto cookie = xcb_get_property(c, 0, m_root, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

bool X11Workspace::isOwnWindow(std::uint32_t window) const {
    const auto windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [window](const QWindow* w) {
        // Asking a window without a native handle for its id would create one.
        return w->handle() && w->winId() == window;
    });
}

Workspace::Application X11Workspace::frontmostApplication() const {
    const auto active = rootCardinal(m_atoms.activeWindow);
    if (!active || *active == XCB_WINDOW_NONE || isOwnWindow(*active))
        return 0;
    return *active;
}

void X11Workspace::activate(Application application) {
    askForFocus(application);
}

void X11Workspace::focusOwnWindow(Application window) {
    askForFocus(window);
}

void X11Workspace::askForFocus(Application window) {
    xcb_connection_t* c = connection();
    if (!c || window == 0 || window > UINT32_MAX)
        return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = m_atoms.activeWindow;
    event.data.data32[0] = kSourcePager;
    // Mutter weighs the request by its time against the last key or click the user gave any window; with no time
    // it takes the time of whatever it is handling, which loses against the key that asked for the request.
    event.data.data32[1] = m_serverTime.now().value_or(XCB_CURRENT_TIME);
    const QWindow* focus = QGuiApplication::focusWindow();
    event.data.data32[2] = focus && focus->handle() ? static_cast<std::uint32_t>(focus->winId()) : 0;
    xcb_send_event(c, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

bool X11Workspace::openUrl(const std::string& url) {
    return QtWorkspace::openUrlOnDesktop(url);
}

void X11Workspace::setActiveDesktopChangedHandler(std::function<void()> handler) {
    m_desktopChanged = std::move(handler);
    xcb_connection_t* c = connection();
    if (m_watching || !c)
        return;
    // Qt selects its own events on the root window; ours are added to them, not put in their place.
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, m_root), nullptr));
    const std::uint32_t mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    m_desktop = rootCardinal(m_atoms.currentDesktop);
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_watching = true;
}

bool X11Workspace::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    if (change->window != m_root || change->atom != m_atoms.currentDesktop)
        return false;
    // A window manager may write the same desktop again; only a real switch counts.
    const auto desktop = rootCardinal(m_atoms.currentDesktop);
    if (desktop && desktop != m_desktop) {
        m_desktop = desktop;
        if (m_desktopChanged)
            m_desktopChanged();
    }
    return false;
}
