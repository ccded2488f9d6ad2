// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11ServerTime.h"

#include "XcbReplies.h"

#include "LogCategories.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

X11ServerTime::~X11ServerTime() {
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11ServerTime::connect() {
    if (m_connection)
        return !xcb_connection_has_error(m_connection);
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcWorkspace) << "cannot reach the X server for its time; focus requests go without one";
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    m_atom = internXcbAtom(m_connection, "_REDIZADO_SERVER_TIME");
    return true;
}

std::optional<std::uint32_t> X11ServerTime::now() {
    if (!connect())
        return std::nullopt;
    xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_window, m_atom, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(m_connection);
    // Only our own window's events come on this connection; the first change notice is ours.
    while (xcb_generic_event_t* event = xcb_wait_for_event(m_connection)) {
        const bool stamped = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        const std::uint32_t time = stamped ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
        std::free(event);
        if (stamped)
            return time;
    }
    qCWarning(lcWorkspace) << "the X server went away while asked for its time";
    return std::nullopt;
}
