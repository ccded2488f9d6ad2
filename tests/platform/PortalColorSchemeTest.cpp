// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalColorScheme.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {
using Scheme = PortalColorScheme::Scheme;

constexpr const char* desktopPath = "/org/freedesktop/portal/desktop";
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// A desktop portal's settings, answering Read for the colour scheme only, from a thread of its own as a separate
// process would.
class FakeSettings final : public QDBusVirtualObject {
public:
    void answer(const QVariant& value) {
        QMutexLocker locker(&m_mutex);
        m_value = value;
    }
    void refuse() {
        QMutexLocker locker(&m_mutex);
        m_refuses = true;
    }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QMutexLocker locker(&m_mutex);
        const QVariantList arguments = message.arguments();
        if (m_refuses)
            connection.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("not for you")));
        else if (message.member() == QLatin1String("Read") && arguments.value(0) == appearance &&
                 arguments.value(1) == colorSchemeKey)
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(m_value))));
        else
            connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                                     QStringLiteral("no such setting")));
        return true;
    }

private:
    QMutex m_mutex;
    QVariant m_value = uint(0);
    bool m_refuses = false;
};

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
    void startPortal() { PrivateBusTest::startPortal(portal); }
    void startScheme() {
        scheme = std::make_unique<PortalColorScheme>(*ours);
        changes = std::make_unique<QSignalSpy>(scheme.get(), &PortalColorScheme::schemeChanged);
    }
    void tellChange(const QString& settingNamespace, const QString& key, const QVariant& value) {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(desktopPath),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << settingNamespace << key << QVariant::fromValue(QDBusVariant(value));
        QDBusConnection(QStringLiteral("portal")).send(signal);
    }
    // The schemes told so far, in order.
    QList<Scheme> told() const {
        QList<Scheme> schemes;
        for (const QList<QVariant>& arguments : *changes)
            schemes << arguments.value(0).value<Scheme>();
        return schemes;
    }

    FakeSettings portal;
    std::unique_ptr<PortalColorScheme> scheme;
    std::unique_ptr<QSignalSpy> changes;
    QtMessageHandler previousHandler = nullptr;
};

struct ReadCase {
    const char* name;
    QVariant value; // inside the variant Read answers
    Scheme expected;
};
void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << row.name;
}

class PortalColorSchemeRead : public PortalColorSchemeTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(PortalColorSchemeRead, TheSchemeAtStartIsReadWithoutWaitingForIt) {
    portal.answer(GetParam().value);
    startPortal();
    startScheme();
    EXPECT_EQ(scheme->scheme(), Scheme::noPreference);
    ASSERT_TRUE(changes->wait(5000));
    EXPECT_EQ(told(), QList<Scheme>{GetParam().expected});
    EXPECT_EQ(scheme->scheme(), GetParam().expected);
    EXPECT_TRUE(g_trayMessages.isEmpty()) << g_trayMessages.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PortalColorSchemeRead,
    ::testing::Values(ReadCase{"dark", uint(1), Scheme::dark}, ReadCase{"light", uint(2), Scheme::light},
                      ReadCase{"darkWrappedTwice", QVariant::fromValue(QDBusVariant(uint(1))), Scheme::dark}),
    [](const auto& info) { return info.param.name; });

TEST_F(PortalColorSchemeTest, FollowsChangesOfTheSchemeAndNothingElse) {
    portal.answer(uint(2));
    startPortal();
    startScheme();
    ASSERT_TRUE(changes->wait(5000));

    // Signals arrive in order: had the other settings counted, they would be told before the dark scheme.
    tellChange(appearance, QStringLiteral("contrast"), uint(0));
    tellChange(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey, uint(0));
    tellChange(appearance, colorSchemeKey, uint(1));
    ASSERT_TRUE(waitUntil([&] { return changes->size() == 2; }));
    // The same scheme again is no change; one out of range is no preference, with a word in the log.
    tellChange(appearance, colorSchemeKey, uint(1));
    tellChange(appearance, colorSchemeKey, uint(9));
    tellChange(appearance, colorSchemeKey, uint(2));
    ASSERT_TRUE(waitUntil([&] { return changes->size() == 4; }));
    EXPECT_EQ(told(), (QList<Scheme>{Scheme::light, Scheme::dark, Scheme::noPreference, Scheme::light}));
    EXPECT_EQ(g_trayMessages.size(), 1);
}

struct FailureCase {
    const char* name;
    bool portalThere;
    bool refuses;
    QVariant value;
};
void PrintTo(const FailureCase& row, std::ostream* out) {
    *out << row.name;
}

class PortalColorSchemeFailure : public PortalColorSchemeTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PortalColorSchemeFailure, LeavesNoPreferenceAndSaysSoOnce) {
    if (GetParam().portalThere) {
        portal.answer(GetParam().value);
        if (GetParam().refuses)
            portal.refuse();
        startPortal();
    }
    startScheme();
    // The answer is done with by the time its log line is written.
    ASSERT_TRUE(waitUntil([] { return !g_trayMessages.isEmpty(); }));
    EXPECT_EQ(g_trayMessages.size(), 1) << g_trayMessages.join(u'\n').toStdString();
    EXPECT_EQ(scheme->scheme(), Scheme::noPreference);
    EXPECT_TRUE(changes->isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Answers, PortalColorSchemeFailure,
                         ::testing::Values(FailureCase{"noPortal", false, false, {}},
                                           FailureCase{"errorReply", true, true, {}},
                                           FailureCase{"text", true, false, QStringLiteral("dark")},
                                           FailureCase{"outOfRange", true, false, uint(3)}),
                         [](const auto& info) { return info.param.name; });
} // namespace
