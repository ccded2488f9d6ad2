// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbHotKeyService.h"
#include "JLHotKeyManager.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"
#include "VirtualDisplay.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {
constexpr std::uint16_t space = 49;
constexpr std::uint16_t f12 = 111;
constexpr std::uint32_t barrierId = 99;

// Real grabs on a virtual display, pressed by xdotool the way a user presses keys.
class XcbHotKeyServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return;
        display = std::make_unique<VirtualDisplay>();
        if (!display->start(93)) {
            display.reset();
            return;
        }
        qputenv("DISPLAY", QByteArray::fromStdString(display->name()));
        static char name[] = "shortcut_x11_tests";
        static char platformOption[] = "-platform";
        static char platform[] = "xcb";
        static char* argv[] = {name, platformOption, platform, nullptr};
        static int argc = 3;
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    static void TearDownTestSuite() {
        app.reset();
        display.reset();
    }

    void SetUp() override {
        if (!app)
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

    static QProcessEnvironment environment() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display->name()));
        return env;
    }

    static void xdotool(const QStringList& args) {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("xdotool"), args);
        ASSERT_TRUE(process.waitForFinished(10000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    void everythingHandled() {
        const int before = releases[barrierId];
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F12")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return releases[barrierId] > before; }, 5000));
    }

    // Starts another program that grabs Ctrl+Space and returns the status it got.
    static int startHolder(QProcess& holder) {
        holder.setProcessEnvironment(environment());
        holder.start(QStringLiteral(REDIZADO_HOT_KEY_HOLDER), {QStringLiteral("-platform"), QStringLiteral("xcb")});
        if (!holder.waitForStarted(10000))
            return -1;
        QByteArray line;
        while (!line.endsWith('\n') && holder.waitForReadyRead(10000))
            line += holder.readAllStandardOutput();
        return line.startsWith("status ") ? line.mid(7).trimmed().toInt() : -1;
    }

    static void endHolder(QProcess& holder) {
        holder.kill();
        holder.waitForFinished(10000);
    }

    static inline std::unique_ptr<VirtualDisplay> display;
    static inline std::unique_ptr<QGuiApplication> app;
    std::map<std::uint32_t, int> releases;
};

TEST_F(XcbHotKeyServiceTest, OnlyTheCombinationFiresOnceAlsoWithCapsLockAndNumLockOn) {
    XcbHotKeyService service;
    listen(service);
    xdotool({QStringLiteral("key"), QStringLiteral("space"), QStringLiteral("ctrl+shift+space"),
             QStringLiteral("alt+space")});
    everythingHandled();
    EXPECT_EQ(releases[1], 0);

    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+space")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return releases[1] == 1; }, 5000));
    everythingHandled();
    EXPECT_EQ(releases[1], 1);

    xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+space")});
    const bool fired = QTest::qWaitFor([&] { return releases[1] == 2; }, 5000);
    xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")});
    EXPECT_TRUE(fired);
}

class HeldKey : public XcbHotKeyServiceTest, public ::testing::WithParamInterface<bool> {};

// The server starts repeating a held key after 660 ms: holding it longer must still give one release.
TEST_P(HeldKey, FiresOnceOnReleaseNotWhileHeld) {
    XcbHotKeyService service(GetParam());
    listen(service);

    xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+space")});
    QTest::qWait(1200);
    EXPECT_EQ(releases[1], 0);
    xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+space")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return releases[1] == 1; }, 5000));
    everythingHandled();
    EXPECT_EQ(releases[1], 1);
}

INSTANTIATE_TEST_SUITE_P(AutoRepeat, HeldKey, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "Detectable" : "TimeStampPairs"); });

TEST_F(XcbHotKeyServiceTest, ACombinationAnotherProgramHoldsIsRefused) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder), HotKeyService::ok);

    XcbHotKeyService service;
    EXPECT_EQ(service.registerHotKey(space, HotKeyService::control, 1).status, HotKeyService::taken);

    // Whatever was grabbed before the refusal was let go again: the program can register it later.
    endHolder(holder);
    EXPECT_EQ(service.registerHotKey(space, HotKeyService::control, 1).status, HotKeyService::ok);
}

TEST_F(XcbHotKeyServiceTest, UnregisterLetsGoOfEveryLockVariant) {
    XcbHotKeyService service;
    service.unregisterHotKey(listen(service).handle);

    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+space")});
    everythingHandled();
    EXPECT_EQ(releases[1], 0);
    QProcess holder;
    EXPECT_EQ(startHolder(holder), HotKeyService::ok);
    endHolder(holder);
}

TEST_F(XcbHotKeyServiceTest, KeysWithoutAnXKeyCodeAreUnsupported) {
    XcbHotKeyService service;
    EXPECT_EQ(service.registerHotKey(63, HotKeyService::control, 1).status, HotKeyService::unsupported); // fn
    EXPECT_EQ(service.registerHotKey(117, 0, 1).status, HotKeyService::unsupported);
}
} // namespace
