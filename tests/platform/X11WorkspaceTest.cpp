// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Workspace.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kPatience = 5000;

// Root window properties are set from outside, as a window manager or pager would.
void setRootCardinal(const char* property, std::uint64_t value) {
    ASSERT_EQ(QProcess::execute("xprop", {"-root", "-f", property, "32c", "-set", property, QString::number(value)}),
              0);
}

class X11WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!X11Workspace::available())
            GTEST_SKIP() << "no X server for this test";
        if (QStandardPaths::findExecutable("xprop").isEmpty())
            GTEST_SKIP() << "xprop (x11-utils) is not installed";
        workspace = std::make_unique<X11Workspace>();
    }

    std::unique_ptr<X11Workspace> workspace;
};

TEST_F(X11WorkspaceTest, OnlyARealSwitchOfDesktopCallsTheHandler) {
    setRootCardinal("_NET_CURRENT_DESKTOP", 0);
    int switches = 0;
    workspace->setActiveDesktopChangedHandler([&] { ++switches; });

    setRootCardinal("_NET_CURRENT_DESKTOP", 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return switches == 1; }, kPatience));

    // Neither the same desktop written again nor another root property counts; the next switch does.
    setRootCardinal("_NET_CURRENT_DESKTOP", 1);
    setRootCardinal("_NET_ACTIVE_WINDOW", 0x42);
    setRootCardinal("_NET_CURRENT_DESKTOP", 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return switches >= 2; }, kPatience));
    QCoreApplication::processEvents();
    EXPECT_EQ(switches, 2);
}

// (Which window was in front, and handing the focus back to it, are met in the tray's desktop session.)

} // namespace
