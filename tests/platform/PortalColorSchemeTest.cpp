// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalColorScheme.h"
#include "FakeDesktopPortal.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {
using Scheme = PortalColorScheme::Scheme;

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

void tellChange(const QString& settingNamespace, const QString& key, const QVariant& value) {
    FakeDesktopPortal::tell("Settings", "SettingChanged",
                            {settingNamespace, key, QVariant::fromValue(QDBusVariant(value))});
}

// The portal outlives the test, for its thread stops only after it.
class PortalColorSchemeTest : public PrivateBusTest {
protected:
    FakeDesktopPortal portal;
};

// Some portals answer Read with the value wrapped in a second variant.
TEST_F(PortalColorSchemeTest, TheSchemeAtStartIsReadWithoutWaitingForItAndFollowedAfter) {
    portal.colorScheme = QVariant::fromValue(QDBusVariant(uint(2)));
    startPortal(portal);
    PortalColorScheme scheme(*ours);
    QSignalSpy changes(&scheme, &PortalColorScheme::schemeChanged);
    EXPECT_EQ(scheme.scheme(), Scheme::noPreference);
    ASSERT_TRUE(changes.wait(5000));
    EXPECT_EQ(scheme.scheme(), Scheme::light);

    // Signals arrive in order: had the other settings counted, they would be told before the dark scheme.
    tellChange(appearance, QStringLiteral("contrast"), uint(0));
    tellChange(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey, uint(0));
    tellChange(appearance, colorSchemeKey, uint(1));
    // The same scheme again is no change; one out of range, or not a number, is no preference.
    tellChange(appearance, colorSchemeKey, uint(1));
    tellChange(appearance, colorSchemeKey, uint(9));
    tellChange(appearance, colorSchemeKey, QStringLiteral("dark"));
    tellChange(appearance, colorSchemeKey, uint(2));
    ASSERT_TRUE(waitUntil([&] { return changes.size() == 4; }));
    QList<Scheme> told;
    for (const QList<QVariant>& arguments : changes)
        told << arguments.value(0).value<Scheme>();
    EXPECT_EQ(told, (QList<Scheme>{Scheme::light, Scheme::dark, Scheme::noPreference, Scheme::light}));
}
} // namespace
