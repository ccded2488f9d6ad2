// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbHotKeyService.h"
#include "WaitUntil.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace {
constexpr std::uint16_t space = 49;
constexpr std::uint16_t f12 = 111;
constexpr std::uint32_t barrierId = 99;

// Real grabs on the virtual display of X11TestMain, pressed by xdotool the way a user presses keys.
class XcbHotKeyServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "Xvfb is not installed or did not start";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is not installed";
    }

    // Ctrl+Space as id 1, and a second combination whose release shows that every earlier key event has been
    // handled.
    HotKeyService::Registration listen(HotKeyService& service) {
        service.setReleasedHandler([this](std::uint32_t id) { ++releases[id]; });
        EXPECT_EQ(service.registerHotKey(f12, HotKeyService::control, barrierId).status, HotKeyService::ok);
        const auto registration = service.registerHotKey(space, HotKeyService::control, 1);
        EXPECT_EQ(registration.status, HotKeyService::ok);
        return registration;
    }

    static void xdotool(const QStringList& args) {
        QProcess process;
        process.start(QStringLiteral("xdotool"), args);
        ASSERT_TRUE(process.waitForFinished(10000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    void everythingHandled() {
        const int before = releases[barrierId];
        xdotool({"key", "ctrl+F12"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return releases[barrierId] > before; }, 5000));
    }

    std::map<std::uint32_t, int> releases;
};

// And the program's other X events still reach it: a window shown meanwhile is drawn.
TEST_F(XcbHotKeyServiceTest, OnlyTheCombinationFiresOnceAlsoWithCapsLockAndNumLockOn) {
    XcbHotKeyService service;
    listen(service);
    QWindow window;
    window.resize(40, 40);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    xdotool({"key", "space", "ctrl+shift+space", "alt+space", "ctrl+space"});
    everythingHandled();
    EXPECT_EQ(releases[1], 1);

    xdotool({"key", "Num_Lock", "Caps_Lock"});
    xdotool({"key", "ctrl+space"});
    const bool fired = QTest::qWaitFor([&] { return releases[1] == 2; }, 5000);
    xdotool({"key", "Num_Lock", "Caps_Lock"});
    EXPECT_TRUE(fired);
}

// Counts the presses of the space bar that reach the program, a held key's repeats included.
struct SpacePresses final : QAbstractNativeEventFilter {
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_key_press_event_t*>(message);
        count += (event->response_type & ~0x80) == XCB_KEY_PRESS && event->detail == 65;
        return false;
    }
    int count = 0;
};

// A held key repeats, as presses alone or, without detectable autorepeat, as release and press pairs: the
// combination still fires once, when it is let go.
TEST_F(XcbHotKeyServiceTest, AHeldCombinationFiresOnceOnRelease) {
    for (const bool detectableAutoRepeat : {true, false}) {
        SCOPED_TRACE(detectableAutoRepeat);
        releases.clear();
        XcbHotKeyService service(detectableAutoRepeat);
        listen(service);
        SpacePresses presses;
        qGuiApp->installNativeEventFilter(&presses);
        xdotool({"keydown", "ctrl+space"});
        EXPECT_TRUE(waitUntil([&] { return presses.count >= 3; }));
        xdotool({"keyup", "ctrl+space"});
        everythingHandled();
        qGuiApp->removeNativeEventFilter(&presses);
        EXPECT_EQ(releases[1], 1);
    }
}

// Unregistering, or a service going away, lets go of every lock variant, so another program (a client of its own)
// can take the combination; ours is then refused, and whatever was grabbed before the refusal is let go again, so it
// can be registered later.
TEST_F(XcbHotKeyServiceTest, AfterUnregisteringAnotherProgramCanHoldTheCombinationAndOursIsRefused) {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    auto otherGrabs = [&] {
        // Ours first: what our connection sent is handled before the other client's request.
        xcb_connection_t* ours = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        std::free(xcb_get_input_focus_reply(ours, xcb_get_input_focus(ours), nullptr));
        std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(other, xcb_grab_key_checked(other, 1, root, XCB_MOD_MASK_CONTROL, 65, XCB_GRAB_MODE_ASYNC,
                                                          XCB_GRAB_MODE_ASYNC)),
            &std::free);
        return !error;
    };
    // Let go and wait for the server's answer: a bare disconnect is handled whenever the server gets to it.
    auto otherLetsGo = [&] {
        std::free(xcb_request_check(other, xcb_ungrab_key_checked(other, 65, root, XCB_MOD_MASK_CONTROL)));
    };
    {
        XcbHotKeyService gone;
        listen(gone);
    }
    ASSERT_TRUE(otherGrabs());
    otherLetsGo();
    XcbHotKeyService service;
    service.unregisterHotKey(listen(service).handle);
    ASSERT_TRUE(otherGrabs());
    EXPECT_EQ(service.registerHotKey(space, HotKeyService::control, 1).status, HotKeyService::taken);
    otherLetsGo();
    xcb_disconnect(other);
    EXPECT_EQ(service.registerHotKey(space, HotKeyService::control, 1).status, HotKeyService::ok);
}

} // namespace
