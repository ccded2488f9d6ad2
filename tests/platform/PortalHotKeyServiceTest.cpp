// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalHotKeyService.h"
#include "PortalTrigger.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr const char* desktopPath = "/org/freedesktop/portal/desktop";

// Arguments of a message to a virtual object arrive still marshalled.
QVariantMap mapOf(const QVariant& argument) {
    if (argument.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(argument.value<QDBusArgument>());
    return argument.toMap();
}

PortalShortcuts shortcutsOf(const QVariant& argument) {
    if (argument.canConvert<QDBusArgument>())
        return qdbus_cast<PortalShortcuts>(argument.value<QDBusArgument>());
    return argument.value<PortalShortcuts>();
}

// "CTRL+space" as a desktop shows it to the user: "Ctrl+Space".
QString shownTrigger(const QString& preferred) {
    static const QMap<QString, QString> modifiers{{QStringLiteral("CTRL"), QStringLiteral("Ctrl")},
                                                  {QStringLiteral("ALT"), QStringLiteral("Alt")},
                                                  {QStringLiteral("SHIFT"), QStringLiteral("Shift")},
                                                  {QStringLiteral("LOGO"), QStringLiteral("Meta")}};
    QStringList parts = preferred.split(QLatin1Char('+'));
    for (QString& part : parts)
        part = modifiers.value(part, part.left(1).toUpper() + part.mid(1));
    return parts.join(QLatin1Char('+'));
}

// A desktop portal that offers global shortcuts, on a bus of the test's own, answering from a thread of its own
// as a separate process would. It binds in one of two ways: from BindShortcuts, or (as Plasma 5.27 does) only from
// the shortcuts named in CreateSession, where BindShortcuts opens the desktop's settings on the user's screen. The
// desktop keeps what it bound, and the user's changes to it, under the session's token from start to start.
class FakePortal final : public QDBusVirtualObject {
public:
    enum class Binds { onRequest, atSessionStart };
    struct Bound {
        QString session;
        QString id;
        QVariantMap options;
    };

    Binds binds = Binds::onRequest;
    uint bindAnswer = 0;                     // what the "user" answers when asked to bind
    bool bindAnswersEmpty = false;           // BindShortcuts answers "done" having bound nothing
    bool sessionAnswerListsShortcuts = true; // a desktop binding at session start says what it holds in its answer
    int sessionsToRefuse = 0;                // CreateSession calls failed outright before one succeeds

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        QMutexLocker locker(&m_mutex);
        m_calls << member;
        if (member == QLatin1String("Get")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
        } else if (member == QLatin1String("CreateSession") && sessionsToRefuse > 0) {
            --sessionsToRefuse;
            connection.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("no sessions today")));
        } else if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = mapOf(message.arguments().value(0));
            const QString token = options.value(QStringLiteral("session_handle_token")).toString();
            m_tokens << token;
            m_session = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2").arg(sender(message), token);
            m_held[m_session].clear();
            QVariantMap results{{QStringLiteral("session_handle"), m_session}};
            if (binds == Binds::atSessionStart) {
                for (const PortalShortcut& shortcut : shortcutsOf(options.value(QStringLiteral("shortcuts"))))
                    hold(shortcut);
                if (sessionAnswerListsShortcuts)
                    results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(held(m_session)));
            }
            respond(message, connection, 0, results);
        } else if (member == QLatin1String("ListShortcuts")) {
            respond(message, connection, 0,
                    {{QStringLiteral("shortcuts"), QVariant::fromValue(held(pathOf(message)))}});
        } else if (member == QLatin1String("BindShortcuts") && binds == Binds::atSessionStart) {
            ++m_windowsOpened;
            respond(message, connection, 0, {});
        } else if (member == QLatin1String("BindShortcuts")) {
            for (const PortalShortcut& shortcut : shortcutsOf(message.arguments().value(1))) {
                m_bound.push_back({pathOf(message), shortcut.id, shortcut.options});
                if (bindAnswer == 0 && !bindAnswersEmpty)
                    hold(shortcut);
            }
            QVariantMap results;
            if (bindAnswer == 0 && !bindAnswersEmpty)
                results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(held(pathOf(message))));
            respond(message, connection, bindAnswer, results);
        } else if (member == QLatin1String("Close")) {
            m_closed << message.path();
            connection.send(message.createReply());
        } else {
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, member));
        }
        return true;
    }

    // The user picks other keys in the desktop's settings; the desktop tells the session.
    void rebind(const QString& id, const QString& trigger, const QDBusConnection& connection) {
        QMutexLocker locker(&m_mutex);
        m_kept[id] = trigger;
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(desktopPath),
                                                         QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                         QStringLiteral("ShortcutsChanged"));
        signal << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariant::fromValue(held(m_session));
        connection.send(signal);
    }

    QStringList calls() const {
        QMutexLocker locker(&m_mutex);
        return m_calls;
    }
    std::vector<Bound> bound() const {
        QMutexLocker locker(&m_mutex);
        return m_bound;
    }
    QString session() const {
        QMutexLocker locker(&m_mutex);
        return m_session;
    }
    QStringList tokens() const {
        QMutexLocker locker(&m_mutex);
        return m_tokens;
    }
    QStringList closed() const {
        QMutexLocker locker(&m_mutex);
        return m_closed;
    }
    // System Settings windows a desktop binding at session start would have put on the user's screen.
    int windowsOpened() const {
        QMutexLocker locker(&m_mutex);
        return m_windowsOpened;
    }

private:
    static QString sender(const QDBusMessage& message) {
        return message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    }
    static QString pathOf(const QDBusMessage& message) {
        return message.arguments().value(0).value<QDBusObjectPath>().path();
    }
    // A shortcut the desktop already keeps keeps its keys, chosen by the user perhaps; a new one gets those asked for.
    void hold(const PortalShortcut& shortcut) {
        if (!m_kept.contains(shortcut.id))
            m_kept[shortcut.id] = shownTrigger(shortcut.options.value(QStringLiteral("preferred_trigger")).toString());
        m_held[m_session] << shortcut.id;
    }
    PortalShortcuts held(const QString& session) const {
        PortalShortcuts shortcuts;
        for (const QString& id : m_held.value(session))
            shortcuts << PortalShortcut{id, {{QStringLiteral("trigger_description"), m_kept.value(id)}}};
        return shortcuts;
    }
    void respond(const QDBusMessage& message, const QDBusConnection& connection, uint response,
                 const QVariantMap& results) {
        const QVariantMap options = mapOf(message.arguments().last());
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(sender(message), options.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage answer = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << response << results;
        connection.send(answer);
    }

    mutable QMutex m_mutex;
    QStringList m_calls;
    std::vector<Bound> m_bound;
    QString m_session;
    QStringList m_tokens;
    QStringList m_closed;
    QMap<QString, QString> m_kept;     // shortcut id → keys, as the desktop shows them
    QMap<QString, QStringList> m_held; // session → the shortcut ids bound in it
    int m_windowsOpened = 0;
};

class PortalHotKeyServiceTest : public PrivateBusTest {
protected:
    void SetUp() override {
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        // Nothing of the machine's may answer in place of the test's own portal.
        EXPECT_EQ(ours->interface()->activatableServiceNames().value().join(u' ').toStdString(),
                  "org.freedesktop.DBus");
    }
    void TearDown() override {
        service.reset();
        PrivateBusTest::TearDown();
    }
    void startPortal() { PrivateBusTest::startPortal(portal); }
    void startService() {
        service = PortalHotKeyService::create(*ours);
        ASSERT_TRUE(service);
        service->setReleasedHandler([this](std::uint32_t id) { released.push_back(id); });
        service->setBindingChangedHandler([this] { ++bindingChanges; });
    }
    void sendShortcutSignal(const char* member, const QString& session, const QString& id, qulonglong time = 1234) {
        QDBusConnection bus(QStringLiteral("portal"));
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(desktopPath),
                                                         QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                         QString::fromLatin1(member));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << time << QVariantMap();
        bus.send(signal);
    }

    FakePortal portal;
    std::unique_ptr<PortalHotKeyService> service;
    std::vector<std::uint32_t> released;
    int bindingChanges = 0;
};
} // namespace

TEST_F(PortalHotKeyServiceTest, WithoutAPortalThereIsNoService) {
    EXPECT_FALSE(PortalHotKeyService::create(*ours));
}

TEST_F(PortalHotKeyServiceTest, TheShortcutIsBoundThroughASessionAndEachActivationActsOnce) {
    startPortal();
    startService();
    QSignalSpy answered(service.get(), &PortalHotKeyService::bindingAnswered);

    const auto registration = service->registerHotKey(0x31, HotKeyService::control, 1);
    ASSERT_EQ(registration.status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_TRUE(answered.first().first().toBool());
    ASSERT_EQ(portal.bound().size(), 1u);
    const FakePortal::Bound bound = portal.bound().front();
    EXPECT_EQ(bound.session, portal.session());
    EXPECT_EQ(bound.id, QStringLiteral("toggle-panel-1"));
    EXPECT_EQ(bound.options.value(QStringLiteral("preferred_trigger")).toString(), QStringLiteral("CTRL+space"));
    EXPECT_FALSE(bound.options.value(QStringLiteral("description")).toString().isEmpty());
    EXPECT_EQ(service->sessionPath(), portal.session());
    // The session came back without the shortcut, so it was asked to bind it; the keys it bound are read back.
    EXPECT_EQ(portal.calls().count(QStringLiteral("BindShortcuts")), 1);
    EXPECT_EQ(service->boundTrigger(), "Ctrl+Space");
    EXPECT_EQ(bindingChanges, 1);

    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::option, 2).status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    // Each activation acts once: a held key's repeats do not, nor signals of other sessions; with or without a
    // release between, the next press acts again.
    const QString other = QStringLiteral("/org/freedesktop/portal/desktop/session/x/other");
    sendShortcutSignal("Activated", other, bound.id, 1000);
    for (const qulonglong time : {1000, 1030, 1060, 1600})
        sendShortcutSignal("Activated", portal.session(), bound.id, time);
    sendShortcutSignal("Deactivated", portal.session(), bound.id, 1700);
    sendShortcutSignal("Activated", portal.session(), bound.id, 1800);
    sendShortcutSignal("Activated", portal.session(), bound.id, 5000);
    // A second shortcut's activation, sent last, arrives after everything above has been handled.
    sendShortcutSignal("Activated", portal.session(), QStringLiteral("toggle-panel-2"), 6000);
    ASSERT_TRUE(waitUntil([this] { return !released.empty() && released.back() == 2; }));
    EXPECT_EQ(released, (std::vector<std::uint32_t>{1, 1, 1, 2}));

    const QString session = portal.session();
    service->unregisterHotKey(registration.handle);
    EXPECT_TRUE(waitUntil([this, session] { return portal.closed().contains(session); }));
}

TEST_F(PortalHotKeyServiceTest, AKeyThePortalCannotNameIsRefusedAtOnceAndARefusalIsTold) {
    portal.bindAnswer = 1;
    startPortal();
    startService();
    EXPECT_EQ(service->registerHotKey(0x3F, HotKeyService::control, 1).status, HotKeyService::unsupported);

    QSignalSpy answered(service.get(), &PortalHotKeyService::bindingAnswered);
    service->registerHotKey(0x00, HotKeyService::command | HotKeyService::shift, 1);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_FALSE(answered.first().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "");
    // Only the key it can name was asked for.
    EXPECT_EQ(portal.bound().size(), 1u);
}

TEST_F(PortalHotKeyServiceTest, ADesktopThatBindsAtSessionStartOpensNothingAndKeepsTheBindingAcrossStarts) {
    portal.binds = FakePortal::Binds::atSessionStart;
    startPortal();
    startService();
    QSignalSpy answered(service.get(), &PortalHotKeyService::bindingAnswered);
    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::control, 1).status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_TRUE(answered.first().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "Ctrl+Space");
    EXPECT_EQ(bindingChanges, 1);

    // The user picks other keys in the desktop's settings.
    portal.rebind(QStringLiteral("toggle-panel-1"), QStringLiteral("Meta+T"),
                  QDBusConnection(QStringLiteral("portal")));
    ASSERT_TRUE(waitUntil([this] { return service->boundTrigger() == "Meta+T"; }));
    EXPECT_EQ(bindingChanges, 2);

    // Started again, the program finds the user's keys, also where the desktop lists them only when asked.
    service.reset();
    portal.sessionAnswerListsShortcuts = false;
    startService();
    QSignalSpy answeredAgain(service.get(), &PortalHotKeyService::bindingAnswered);
    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::control, 1).status, HotKeyService::ok);
    ASSERT_TRUE(answeredAgain.wait(5000));
    EXPECT_TRUE(answeredAgain.first().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "Meta+T");
    EXPECT_EQ(portal.tokens(), QStringList({QStringLiteral("redizado"), QStringLiteral("redizado")}));
    EXPECT_EQ(portal.windowsOpened(), 0);
}

TEST_F(PortalHotKeyServiceTest, AnAnswerThatBindsNothingOrARefusalLeavesNoTrigger) {
    portal.bindAnswersEmpty = true;
    startPortal();
    startService();
    QSignalSpy answered(service.get(), &PortalHotKeyService::bindingAnswered);
    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::control, 1).status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_FALSE(answered.takeFirst().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "");
    EXPECT_EQ(bindingChanges, 1);

    portal.bindAnswersEmpty = false;
    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::option, 2).status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_TRUE(answered.takeFirst().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "Ctrl+Space, Alt+Space");

    // A refusal of a later binding takes back the keys shown for the earlier one.
    portal.bindAnswer = 1;
    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::shift, 3).status, HotKeyService::ok);
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_FALSE(answered.takeFirst().first().toBool());
    EXPECT_EQ(service->boundTrigger(), "");
    EXPECT_EQ(bindingChanges, 3);
}

TEST_F(PortalHotKeyServiceTest, ASessionThePortalRefusesRefusesTheRegistrationAndTheNextOneTriesAgain) {
    portal.sessionsToRefuse = 1;
    startPortal();
    startService();
    EXPECT_NE(service->registerHotKey(0x31, HotKeyService::control, 1).status, HotKeyService::ok);

    ASSERT_EQ(service->registerHotKey(0x31, HotKeyService::option, 2).status, HotKeyService::ok);
    ASSERT_TRUE(waitUntil([this] { return !portal.bound().empty(); }));
    EXPECT_EQ(portal.calls().count(QStringLiteral("CreateSession")), 2);
    // The refused shortcut is not bound behind the caller's back.
    ASSERT_EQ(portal.bound().size(), 1u);
    EXPECT_EQ(portal.bound().front().id, QStringLiteral("toggle-panel-2"));
}

struct Trigger {
    const char* name;
    std::uint16_t key;
    std::uint32_t modifiers;
    const char* trigger; // nullptr: none
};

class PortalTriggerTest : public ::testing::TestWithParam<Trigger> {};

TEST_P(PortalTriggerTest, NamesTheCombinationAsThePortalDoes) {
    const auto trigger = portalTrigger(GetParam().key, GetParam().modifiers);
    if (!GetParam().trigger) {
        EXPECT_FALSE(trigger);
        return;
    }
    ASSERT_TRUE(trigger);
    EXPECT_EQ(trigger->toStdString(), GetParam().trigger);
}

INSTANTIATE_TEST_SUITE_P(Keys, PortalTriggerTest,
                         ::testing::Values(Trigger{"AllModifiersInOrder", 0x00,
                                                   HotKeyService::command | HotKeyService::shift |
                                                       HotKeyService::option | HotKeyService::control,
                                                   "CTRL+ALT+SHIFT+LOGO+a"},
                                           Trigger{"Digit", 0x1D, HotKeyService::option, "ALT+0"},
                                           Trigger{"Punctuation", 0x2A, HotKeyService::control, "CTRL+backslash"},
                                           Trigger{"FunctionKey", 0x5A, 0, "F20"},
                                           Trigger{"Arrow", 0x7E, HotKeyService::command, "LOGO+Up"},
                                           Trigger{"Return", 0x24, HotKeyService::control, "CTRL+Return"},
                                           Trigger{"FnHasNoName", 0x3F, HotKeyService::control, nullptr},
                                           Trigger{"UnknownCode", 0x7F, 0, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });
