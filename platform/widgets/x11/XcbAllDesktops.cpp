// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbAllDesktops.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
constexpr std::uint32_t stateAdd = 1;
constexpr std::uint32_t fromProgram = 2; // source indication: a pager-like request from the program itself

struct Atoms {
    xcb_atom_t desktop = XCB_ATOM_NONE;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
    xcb_atom_t skipPager = XCB_ATOM_NONE;
    xcb_atom_t skipSwitcher = XCB_ATOM_NONE;
    xcb_atom_t type = XCB_ATOM_NONE;
    xcb_atom_t dialog = XCB_ATOM_NONE;
};

Atoms internAtoms(xcb_connection_t* connection) {
    // KWin lists a window in Alt+Tab unless its own skip-switcher state is set; the others ignore that atom.
    constexpr std::array names{"_NET_WM_DESKTOP",
                               "_NET_WM_STATE",
                               "_NET_WM_STATE_SKIP_TASKBAR",
                               "_NET_WM_STATE_SKIP_PAGER",
                               "_KDE_NET_WM_STATE_SKIP_SWITCHER",
                               "_NET_WM_WINDOW_TYPE",
                               "_NET_WM_WINDOW_TYPE_DIALOG"};
    std::array<xcb_intern_atom_cookie_t, names.size()> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, names.size()> atoms{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3], atoms[4], atoms[5], atoms[6]};
}

// Puts atoms at the front of an atom-list property and keeps the rest, so Qt's own entries stay after ours.
void putFirst(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, std::vector<xcb_atom_t> atoms) {
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* old = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            for (int i = 0; i < count; ++i)
                if (std::find(atoms.begin(), atoms.end(), old[i]) == atoms.end())
                    atoms.push_back(old[i]);
        }
        std::free(reply);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

void askWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t type,
                      std::array<std::uint32_t, 4> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

// A panel rather than an application window: on every desktop, in no taskbar, pager or switcher, of a non-normal
// type.
// Properties count while the window is unmapped; a mapped window must ask the window manager.
void markAsPanel(QWidget& window, bool mapped) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Atoms atoms = internAtoms(connection);
    if (atoms.desktop == XCB_ATOM_NONE || atoms.state == XCB_ATOM_NONE || atoms.type == XCB_ATOM_NONE)
        return;
    // A dialog, not a utility window: GNOME focuses a dialog as it maps it but not a utility window, and the panel
    // is shown without asking for the focus.
    putFirst(connection, id, atoms.type, {atoms.dialog});
    if (mapped) {
        askWindowManager(connection, id, atoms.desktop, {allDesktops, fromProgram, 0, 0});
        askWindowManager(connection, id, atoms.state, {stateAdd, atoms.skipTaskbar, atoms.skipPager, fromProgram});
        // One message carries at most two states.
        askWindowManager(connection, id, atoms.state, {stateAdd, atoms.skipSwitcher, XCB_ATOM_NONE, fromProgram});
    } else {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atoms.desktop, XCB_ATOM_CARDINAL, 32, 1,
                            &allDesktops);
        putFirst(connection, id, atoms.state, {atoms.skipTaskbar, atoms.skipPager, atoms.skipSwitcher});
    }
    xcb_flush(connection);
}

// The window manager drops _NET_WM_STATE and _NET_WM_DESKTOP when a window is hidden, so every show sets them
// again; Qt sends the show event before it maps the window and merges its own states into ours.
class PanelMarker final : public QObject {
public:
    explicit PanelMarker(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous() && watched == parent())
            markAsPanel(*static_cast<QWidget*>(watched), false);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void XcbAllDesktops::joinAllDesktops(QWidget& window) {
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return;
    markAsPanel(window, window.isVisible());
    new PanelMarker(window);
}
