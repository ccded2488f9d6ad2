// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalColorScheme.h"
#include "FakeDesktopPortal.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {
using Scheme = PortalColorScheme::Scheme;

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// What the tray's log says above its debugging trace.
QStringList g_trayMessages;

void collectTrayMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && QLatin1String(context.category) == QLatin1String("redizado.tray"))
        g_trayMessages << message;
}

class PortalColorSchemeTest : public PrivateBusTest {
protected:
    void SetUp() override {
        PrivateBusTest::SetUp();
        g_trayMessages.clear();
        previousHandler = qInstallMessageHandler(collectTrayMessages);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        scheme.reset();
        PrivateBusTest::TearDown();
    }
    void startScheme() {
        scheme = std::make_unique<PortalColorScheme>(*ours);
        changes = std::make_unique<QSignalSpy>(scheme.get(), &PortalColorScheme::schemeChanged);
    }
    void tellChange(const QString& settingNamespace, const QString& key, const QVariant& value) {
        FakeDesktopPortal::tell("Settings", "SettingChanged",
                                {settingNamespace, key, QVariant::fromValue(QDBusVariant(value))});
    }

    FakeDesktopPortal portal;
    std::unique_ptr<PortalColorScheme> scheme;
    std::unique_ptr<QSignalSpy> changes;
    QtMessageHandler previousHandler = nullptr;
};

// Some portals answer Read with the value wrapped in a second variant.
TEST_F(PortalColorSchemeTest, TheSchemeAtStartIsReadWithoutWaitingForItAndFollowedAfter) {
    portal.colorScheme = QVariant::fromValue(QDBusVariant(uint(2)));
    startPortal(portal);
    startScheme();
    EXPECT_EQ(scheme->scheme(), Scheme::noPreference);
    ASSERT_TRUE(changes->wait(5000));
    EXPECT_EQ(scheme->scheme(), Scheme::light);
    EXPECT_TRUE(g_trayMessages.isEmpty()) << g_trayMessages.join(u'\n').toStdString();

    // Signals arrive in order: had the other settings counted, they would be told before the dark scheme.
    tellChange(appearance, QStringLiteral("contrast"), uint(0));
    tellChange(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey, uint(0));
    tellChange(appearance, colorSchemeKey, uint(1));
    // The same scheme again is no change; one out of range, or not a number, is no preference with a word in the log.
    tellChange(appearance, colorSchemeKey, uint(1));
    tellChange(appearance, colorSchemeKey, uint(9));
    tellChange(appearance, colorSchemeKey, QStringLiteral("dark"));
    tellChange(appearance, colorSchemeKey, uint(2));
    ASSERT_TRUE(waitUntil([&] { return changes->size() == 4; }));
    QList<Scheme> told;
    for (const QList<QVariant>& arguments : *changes)
        told << arguments.value(0).value<Scheme>();
    EXPECT_EQ(told, (QList<Scheme>{Scheme::light, Scheme::dark, Scheme::noPreference, Scheme::light}));
    EXPECT_EQ(g_trayMessages.size(), 2);
}

// Most X11 desktops run no portal.
TEST_F(PortalColorSchemeTest, WithoutAPortalThereIsNoPreferenceAndTheLogSaysSoOnce) {
    startScheme();
    // The answer is done with by the time its log line is written.
    ASSERT_TRUE(waitUntil([] { return !g_trayMessages.isEmpty(); }));
    EXPECT_EQ(g_trayMessages.size(), 1) << g_trayMessages.join(u'\n').toStdString();
    EXPECT_EQ(scheme->scheme(), Scheme::noPreference);
    EXPECT_TRUE(changes->isEmpty());
}
} // namespace
