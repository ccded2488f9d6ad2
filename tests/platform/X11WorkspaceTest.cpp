// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Workspace.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Root window properties are set from outside, as a window manager or pager would.
void setRootCardinal(const char* property, std::uint64_t value) {
    ASSERT_EQ(QProcess::execute("xprop", {"-root", "-f", property, "32c", "-set", property, QString::number(value)}),
              0);
}

TEST(X11Workspace, OnlyARealSwitchOfDesktopCallsTheHandler) {
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
}

// (Which window was in front, and handing the focus back to it, are met in the tray's desktop session.)
} // namespace
