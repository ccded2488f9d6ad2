// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbAllDesktops.h"
#include "XcbReplies.h"

#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <vector>

namespace {
// A property of 32-bit values (atoms or cardinals), as a window manager reads it.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window, const char* name) {
    const auto cookie =
        xcb_get_property(connection, 0, window, internXcbAtom(connection, name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {data, data + xcb_get_property_value_length(reply.get()) / 4};
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
        const std::vector<std::uint32_t> ours{internXcbAtom(manager, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              internXcbAtom(manager, "_NET_WM_STATE_SKIP_PAGER"),
                                              internXcbAtom(manager, "_KDE_NET_WM_STATE_SKIP_SWITCHER")};
        EXPECT_EQ(std::vector(states.begin(), states.begin() + std::min<std::size_t>(3, states.size())), ours);
        const std::vector<std::uint32_t> types = property(manager, window, "_NET_WM_WINDOW_TYPE");
        EXPECT_TRUE(!types.empty() && types.front() == internXcbAtom(manager, "_NET_WM_WINDOW_TYPE_DIALOG"));
        panel.hide();
        // As a window manager does with a window it unmaps.
        xcb_delete_property(manager, window, internXcbAtom(manager, "_NET_WM_DESKTOP"));
        xcb_delete_property(manager, window, internXcbAtom(manager, "_NET_WM_STATE"));
        xcb_flush(manager);
    }
    xcb_disconnect(manager);
}
