// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbAllDesktops.h"

#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

// A property of 32-bit values (atoms or cardinals), as a window manager reads it.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window, const char* name) {
    std::vector<std::uint32_t> values;
    const auto cookie =
        xcb_get_property(connection, 0, window, atom(connection, name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        if (reply->format == 32)
            values.assign(data, data + xcb_get_property_value_length(reply) / 4);
        std::free(reply);
    }
    return values;
}
} // namespace

// The panel is on every desktop, in no taskbar, pager or switcher, and a dialog (which GNOME focuses as it maps):
// set as it first shows and again at every later show, since window managers drop these as a window hides.
TEST(XcbAllDesktops, ThePanelIsOnEveryDesktopAndInNoTaskListAtEachShow) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "no X server for this test";
    xcb_connection_t* manager = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(manager));
    QWidget panel;
    XcbAllDesktops allDesktops;
    allDesktops.joinAllDesktops(panel);
    for (int show = 1; show <= 2; ++show) {
        SCOPED_TRACE(show);
        panel.show();
        const auto window = static_cast<xcb_window_t>(panel.winId());
        EXPECT_EQ(property(manager, window, "_NET_WM_DESKTOP"), std::vector<std::uint32_t>{0xFFFFFFFF});
        const std::vector<std::uint32_t> states = property(manager, window, "_NET_WM_STATE");
        const std::vector<std::uint32_t> ours{atom(manager, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              atom(manager, "_NET_WM_STATE_SKIP_PAGER"),
                                              atom(manager, "_KDE_NET_WM_STATE_SKIP_SWITCHER")};
        EXPECT_EQ(std::vector(states.begin(), states.begin() + std::min<std::size_t>(3, states.size())), ours);
        const std::vector<std::uint32_t> types = property(manager, window, "_NET_WM_WINDOW_TYPE");
        EXPECT_TRUE(!types.empty() && types.front() == atom(manager, "_NET_WM_WINDOW_TYPE_DIALOG"));
        panel.hide();
        // As a window manager does with a window it unmaps.
        xcb_delete_property(manager, window, atom(manager, "_NET_WM_DESKTOP"));
        xcb_delete_property(manager, window, atom(manager, "_NET_WM_STATE"));
        xcb_flush(manager);
    }
    xcb_disconnect(manager);
}
