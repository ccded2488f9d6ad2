// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeDesktopPortal.h"
#include "PortalColorScheme.h"
#include "PortalHotKeyService.h"
#include "PortalProxies.h"
#include "PrivateSessionBus.h"
#include "TrayIconImages.h"
#include "WaitUntil.h"

#include <QDBusPendingCallWatcher>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace {
// The portal outlives the service, for its thread stops only after it.
class DesktopPortalTest : public PrivateBusTest {
protected:
    void TearDown() override {
        service.reset();
        PrivateBusTest::TearDown();
    }
    // The portal answers as the test set it up before this.
    void startService() {
        startPortal(portal);
        service = PortalHotKeyService::create(*ours);
        ASSERT_TRUE(service);
        service->setReleasedHandler([this](std::uint32_t id) { released.push_back(id); });
        answered = std::make_unique<QSignalSpy>(service.get(), &PortalHotKeyService::bindingAnswered);
    }
    // Registers a shortcut and waits for the desktop's answer: whether it was bound.
    bool bind(std::uint32_t modifiers, std::uint32_t id, std::uint16_t key = 0x31) {
        answered->clear();
        EXPECT_EQ(service->registerHotKey(key, modifiers, id).status, HotKeyService::ok);
        EXPECT_TRUE(answered->wait(5000));
        return !answered->isEmpty() && answered->last().first().toBool();
    }
    static void sendActivated(const QString& session, const QString& id, qulonglong time,
                              const char* member = "Activated") {
        FakeDesktopPortal::tell("GlobalShortcuts", member,
                                {QVariant::fromValue(QDBusObjectPath(session)), id, time, QVariantMap()});
    }

    FakeDesktopPortal portal;
    std::unique_ptr<PortalHotKeyService> service;
    std::unique_ptr<QSignalSpy> answered;
    std::vector<std::uint32_t> released;
};

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

void tellChange(const QString& settingNamespace, const QString& key, const QVariant& value) {
    FakeDesktopPortal::tell("Settings", "SettingChanged",
                            {settingNamespace, key, QVariant::fromValue(QDBusVariant(value))});
}
} // namespace

TEST_F(DesktopPortalTest, TheShortcutIsBoundThroughASessionAndEachActivationActsOnce) {
    startService();
    ASSERT_TRUE(bind(HotKeyService::control, 1));
    EXPECT_EQ(portal.bound(), QStringList{QStringLiteral("toggle-panel-1 CTRL+space")});
    EXPECT_EQ(service->boundTrigger(), "CTRL+space");

    ASSERT_TRUE(bind(HotKeyService::option, 2));
    // A held key's repeats do not act, nor signals of other sessions; with or without a release between, the next
    // press acts again.
    const QString session = portal.session();
    const QString other = QStringLiteral("/org/freedesktop/portal/desktop/session/x/other");
    const QString id = QStringLiteral("toggle-panel-1");
    sendActivated(other, id, 1000);
    for (const qulonglong time : {1000, 1030, 1600}) {
        sendActivated(session, id, time);
        sendActivated(other, id, time, "Deactivated");
    }
    sendActivated(session, id, 1700, "Deactivated");
    sendActivated(session, id, 1800);
    sendActivated(session, id, 5000);
    // A second shortcut's activation, sent last, arrives after everything above has been handled.
    sendActivated(session, QStringLiteral("toggle-panel-2"), 6000);
    ASSERT_TRUE(waitUntil([this] { return !released.empty() && released.back() == 2; }));
    EXPECT_EQ(released, (std::vector<std::uint32_t>{1, 1, 1, 2}));

    // Keys the user chose anew for our shortcut are taken; another program's shortcuts change nothing of ours.
    answered->clear();
    for (const QString& changed : {other, session}) {
        const QString keys = changed == session ? QStringLiteral("ALT+t") : QStringLiteral("ALT+x");
        FakeDesktopPortal::tell(
            "GlobalShortcuts", "ShortcutsChanged",
            {QVariant::fromValue(QDBusObjectPath(changed)),
             QVariant::fromValue(PortalShortcuts{{id, {{QStringLiteral("trigger_description"), keys}}}})});
    }
    ASSERT_TRUE(answered->wait(5000));
    EXPECT_EQ(service->boundTrigger(), "ALT+t");

    // The shortcut left is bound again in a session of its own; no session is opened for none.
    const auto bound = portal.bound().size();
    service->unregisterHotKey(1);
    ASSERT_TRUE(waitUntil([&] { return portal.bound().size() > bound; }));
    EXPECT_TRUE(portal.bound().back().startsWith(QStringLiteral("toggle-panel-2 ")))
        << portal.bound().back().toStdString();
    EXPECT_TRUE(portal.closed().contains(session));
    const QString last = portal.session();
    service->unregisterHotKey(2);
    EXPECT_TRUE(waitUntil([&] { return portal.closed().contains(last); }));
    EXPECT_FALSE(waitUntil([&] { return portal.session() != last; }, 300));
    // Nothing is kept of the calls once they are answered.
    EXPECT_TRUE(waitUntil([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return service->findChildren<QDBusPendingCallWatcher*>().isEmpty();
    }));
}

TEST_F(DesktopPortalTest, AKeyThePortalCannotNameIsRefusedAtOnceAndARefusalIsTold) {
    portal.bindAnswer = 1;
    startService();
    EXPECT_EQ(service->registerHotKey(0x3F, HotKeyService::control, 1).status, HotKeyService::unsupported);
    EXPECT_FALSE(bind(HotKeyService::control, 1));
    EXPECT_EQ(service->boundTrigger(), "");
    EXPECT_EQ(portal.bound().size(), 1); // only the key it can name was asked for

    // A portal that refuses the session refuses the registration; once it makes sessions again, one is asked anew.
    portal.bindAnswer = 0;
    portal.refuseSessions = true;
    EXPECT_EQ(service->registerHotKey(0x31, HotKeyService::control, 3).status, HotKeyService::unavailable);
    portal.refuseSessions = false;
    EXPECT_TRUE(bind(HotKeyService::control, 4));
    EXPECT_NE(service->boundTrigger(), "");

    // An answer of "done" that bound nothing is no binding either.
    portal.bindAnswersEmpty = true;
    EXPECT_FALSE(bind(HotKeyService::option, 2));
    EXPECT_EQ(service->boundTrigger(), "");
    // Nor, after a binding, is a refusal: the keys bound before are no longer said to be ours.
    portal.bindAnswersEmpty = false;
    EXPECT_TRUE(bind(HotKeyService::control, 5));
    portal.bindAnswer = 1;
    EXPECT_FALSE(bind(HotKeyService::control, 6));
    EXPECT_EQ(service->boundTrigger(), "");
    // Every request, answered or refused, is let go: none is left listening on the bus.
    EXPECT_TRUE(waitUntil([&] { return service->findChildren<PortalRequest*>().isEmpty(); }));
}

// Some portals answer Read with the value wrapped in a second variant.
TEST_F(DesktopPortalTest, TheColorSchemeAtStartIsReadWithoutWaitingForItAndFollowedAfter) {
    using Scheme = PortalColorScheme::Scheme;
    EXPECT_FALSE(PortalHotKeyService::create(*ours)) << "a shortcut service without a portal";
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
    tellChange(appearance, colorSchemeKey, uint(1));
    tellChange(appearance, colorSchemeKey, QStringLiteral("dark"));
    tellChange(appearance, colorSchemeKey, uint(2));
    ASSERT_TRUE(waitUntil([&] { return changes.size() == 6; }));
    QList<Scheme> told;
    for (const QList<QVariant>& arguments : changes)
        told << arguments.value(0).value<Scheme>();
    EXPECT_EQ(told, (QList<Scheme>{Scheme::light, Scheme::dark, Scheme::noPreference, Scheme::dark,
                                   Scheme::noPreference, Scheme::light}));
}

// A dark scheme is a dark bar anywhere; a light one only on Plasma, whose panel follows it: GNOME's bar stays dark.
TEST(BarToneOfScheme, ADarkSchemeIsADarkBarAndALightOneALightBarOnlyWhereTheBarFollowsIt) {
    using Scheme = PortalColorScheme::Scheme;
    EXPECT_EQ(barToneOfScheme(Scheme::dark, QStringLiteral("GNOME")), BarTone::Dark);
    EXPECT_EQ(barToneOfScheme(Scheme::light, QStringLiteral("KDE")), BarTone::Light);
    EXPECT_EQ(barToneOfScheme(Scheme::light, QStringLiteral("kde:custom")), BarTone::Light);
    EXPECT_EQ(barToneOfScheme(Scheme::light, QStringLiteral("ubuntu:GNOME")), BarTone::Unknown);
    EXPECT_EQ(barToneOfScheme(Scheme::light, QStringLiteral("sway")), BarTone::Unknown);
    EXPECT_EQ(barToneOfScheme(Scheme::noPreference, QStringLiteral("KDE")), BarTone::Unknown);
}
