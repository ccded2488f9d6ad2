// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Workspace.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <utility>

namespace {
// Root window properties are set from outside, as a window manager or pager would.
void setRootCardinal(const char* property, std::uint64_t value) {
    ASSERT_EQ(QProcess::execute("xprop", {"-root", "-f", property, "32c", "-set", property, QString::number(value)}),
              0);
}

TEST(X11Workspace, OnlyARealSwitchOfDesktopCallsTheHandlerAndTheWindowInFrontIsAnotherProgramsNeverOurs) {
    if (!X11Workspace::available() || QStandardPaths::findExecutable("xprop").isEmpty())
        GTEST_SKIP() << "no X server, or no xprop (x11-utils), for this test";
    X11Workspace workspace;
    setRootCardinal("_NET_CURRENT_DESKTOP", 0);
    int switches = 0;
    workspace.setActiveDesktopChangedHandler([&] { ++switches; });
    setRootCardinal("_NET_CURRENT_DESKTOP", 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return switches == 1; }));

    // Neither the same desktop written again nor another root property counts; the next switch does.
    setRootCardinal("_NET_CURRENT_DESKTOP", 1);
    setRootCardinal("_NET_ACTIVE_WINDOW", 0x42);
    setRootCardinal("_NET_CURRENT_DESKTOP", 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return switches >= 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(switches, 2);

    // The window in front is another program's to hand the focus back to; ours, or none, is no one's.
    EXPECT_EQ(workspace.frontmostApplication(), 0x42u);
    QWindow own;
    own.create();
    setRootCardinal("_NET_ACTIVE_WINDOW", own.winId());
    EXPECT_EQ(workspace.frontmostApplication(), 0u);
    setRootCardinal("_NET_ACTIVE_WINDOW", 0);
    EXPECT_EQ(workspace.frontmostApplication(), 0u);
}

// Mutter refuses the focus to a request stamped older than the key the user last pressed, whichever window had it.
TEST(X11Workspace, AFocusRequestCarriesTheServersTimeNow) {
    if (!X11Workspace::available())
        GTEST_SKIP() << "no X server for this test";
    // Stands in for the window manager, which is sent the requests.
    xcb_connection_t* manager = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(manager));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(manager)).data->root;
    const std::uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
    ASSERT_EQ(
        xcb_request_check(manager, xcb_change_window_attributes_checked(manager, root, XCB_CW_EVENT_MASK, &redirect)),
        nullptr);
    // The request's source and time; both 0 when none came.
    const auto requestTimes = [manager](const std::function<void()>& send) {
        send();
        std::pair<std::uint32_t, std::uint32_t> sourceAndTime;
        while (xcb_generic_event_t* event = xcb_wait_for_event(manager)) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            const bool asked = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE;
            if (asked)
                sourceAndTime = {message->data.data32[0], message->data.data32[1]};
            std::free(event);
            if (asked)
                break;
        }
        return sourceAndTime;
    };
    X11Workspace workspace;
    const auto first = requestTimes([&] { workspace.focusOwnWindow(0x42); });
    EXPECT_EQ(first.first, 2U);
    EXPECT_NE(first.second, 0U);
    EXPECT_GE(requestTimes([&] { workspace.activate(0x43); }).second, first.second);
    xcb_disconnect(manager);
}

// (Which window was in front, and handing the focus back to it, are met in the tray's desktop session.)
} // namespace
