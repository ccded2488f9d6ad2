// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncService.h"

#include "CalDavAnswers.h"
#include "MemoryNetworkReachability.h"
#include "MemorySecretStore.h"
#include "PreferencesKeys.h"
#include "RadicaleServer.h"
#include "StoredItems.h"
#include "StoredSyncAccount.h"
#include "SyncRun.h"
#include "SyncState.h"
#include "SyncedList.h"

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTime>

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

namespace {

struct Answer {
    bool ok = false;
    QString message;
};

// What the service writes on the sync's category, to count the warnings.
QStringList syncWarnings;
void keepSyncWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && qstrcmp(context.category, "redizado.sync") == 0)
        syncWarnings.append(message);
}

// A device: its own items, preferences, keyring and sync state, syncing with the test's server.
struct Device : SyncedList {
    Device() {
        SyncSchedule::Timetable quick;
        quick.changeBatch = std::chrono::milliseconds(50);
        service.setTimetable(quick);
        auto desktopSays = std::make_unique<MemoryNetworkReachability>();
        network = desktopSays.get();
        service.setNetwork(std::move(desktopSays));
        manager.setChangedHereHandler([this] {
            ++changesHere;
            service.itemsChangedHere();
        });
        QObject::connect(&service, &SyncControl::itemsChanged, [this] { ++itemsChanged; });
    }

    Answer turnOn(const QUrl& address, const QString& secret) {
        return await<Answer>([&](auto done) { service.turnOn({address, RadicaleTest::user, false}, secret, done); });
    }
    SyncReport syncNow() {
        return await<SyncReport>([&](auto done) { service.syncNow(done); });
    }

    MemorySecretStore secrets;
    SyncService service{defaults, manager, secrets, statePath};
    MemoryNetworkReachability* network = nullptr; // the service's
    int changesHere = 0;
    int itemsChanged = 0;
};

class SyncServiceTest : public RadicaleTest {
protected:
    Device here;
};

// Neither when sync is off nor over the account on, whose working password stays; with no keyring, not even the right
// password turns it on.
TEST_F(SyncServiceTest, TurnOnWithAWrongPasswordOrNoKeyringKeepsNothingAndSaysSo) {
    here.secrets.keyring = false;
    EXPECT_FALSE(here.turnOn(server.url(), password).ok);
    EXPECT_EQ(here.service.status(), QStringLiteral("No keyring on this desktop: sync is off"));
    EXPECT_FALSE(here.service.account().has_value());
    here.secrets.keyring = true;

    QUrl withPassword = server.url();
    withPassword.setUserInfo(QStringLiteral("alice:secret"));
    const Answer refused = here.turnOn(withPassword, password);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("password out of the address")))
        << refused.message.toStdString();
    EXPECT_FALSE(here.defaults.objectForKey(keys::syncServerAddress)) << "the address with its password was kept";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(here.statePath)));
    EXPECT_EQ(
        here.turnOn(QUrl(QStringLiteral("http://dav.example.org/")), password).message,
        QStringLiteral("Plain HTTP would send the password to dav.example.org in clear: use an https:// address"));

    const Answer answer = here.turnOn(server.url(), QStringLiteral("guess"));
    EXPECT_EQ(std::pair(answer.ok, answer.message),
              std::pair(false, QStringLiteral("Wrong user name or password for alice at 127.0.0.1")));
    EXPECT_TRUE(here.secrets.passwords.empty());
    EXPECT_EQ(here.service.status(), QStringLiteral("Sync is off"));
    const Answer unreachable = here.turnOn(QUrl(QStringLiteral("http://127.0.0.1:1/")), password);
    EXPECT_TRUE(unreachable.message.startsWith(QStringLiteral("Cannot reach 127.0.0.1: ")))
        << unreachable.message.toStdString();

    ASSERT_TRUE(here.turnOn(server.url(), password).ok);
    EXPECT_FALSE(here.turnOn(server.url(), QStringLiteral("guess")).ok);
    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::Ok);
    EXPECT_FALSE(here.service.needsAttention());
    // The account on and the keyring gone: the user must act.
    here.secrets.keyring = false;
    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::Refused);
    EXPECT_TRUE(here.service.needsAttention());
    // Turned off then, sync is off but the password could not be forgotten: that is no success.
    const Answer off = await<Answer>([&](auto done) { here.service.turnOff(done); });
    EXPECT_EQ(std::pair(off.ok, off.message),
              std::pair(false, QStringLiteral("Sync is off; no keyring answered to forget the password")));
}

// With no network, an item added waits for it; back on line, the item goes at once, and one added then goes after
// the batch. It reaches another device, where it is announced and asks for no sync of its own.
TEST_F(SyncServiceTest, AnItemAddedHereReachesTheServerOnceOnLineAndAfterTheBatch) {
    here.network->setOnline(false);
    here.service.startSchedule();
    // Turning on tries the account at once, network or not.
    ASSERT_TRUE(here.turnOn(server.url(), password).ok);
    ASSERT_TRUE(
        waitUntil([&] { return here.service.status().startsWith(QStringLiteral("Off line: syncing with")); }, 30000))
        << here.service.status().toStdString();
    here.manager.addJotlingWithTitle("Bread");
    EXPECT_FALSE(here.service.syncPlanned());
    here.network->setOnline(true);
    EXPECT_TRUE(here.service.syncPlanned());
    ASSERT_TRUE(waitUntil([&] { return here.service.status().startsWith(QStringLiteral("Synced at")); }, 30000))
        << here.service.status().toStdString();

    here.manager.addJotlingWithTitle("Milk");
    EXPECT_TRUE(here.service.syncPlanned());
    QSignalSpy runs(&here.service, &SyncControl::statusChanged);
    ASSERT_TRUE(waitUntil([&] { return SyncState::load(here.statePath).tasks.count(here.uidAt(0)) == 1; }, 30000))
        << "the item never reached the server";
    ASSERT_TRUE(waitUntil([&] { return here.service.status().startsWith(QStringLiteral("Synced at")); }));
    // Once the batch has gone, no sync starts again at once.
    runs.clear();
    EXPECT_FALSE(runs.wait(300)) << "a sync started again with nothing asked";

    Device there;
    ASSERT_TRUE(there.turnOn(server.url(), password).ok);
    ASSERT_EQ(there.syncNow().outcome, SyncOutcome::Ok);
    std::vector<std::string> titles = titlesOf(there.manager.redizado());
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"Bread", "Milk"})) << "made in the same second: either order";
    const int told = there.itemsChanged;
    EXPECT_GE(told, 1);
    EXPECT_EQ(there.changesHere, 0);
    // The panel reloads on the news, so a sync that brought nothing must not send it.
    ASSERT_EQ(there.syncNow().outcome, SyncOutcome::Ok);
    EXPECT_EQ(there.itemsChanged, told);

    // Started again with the account on and no network, it waits for the network too.
    there.network->setOnline(false);
    there.service.startSchedule();
    EXPECT_TRUE(there.service.status().startsWith(QStringLiteral("Off line: syncing with")))
        << there.service.status().toStdString();
    EXPECT_FALSE(there.service.syncPlanned());
}

TEST_F(SyncServiceTest, AWrongPasswordIsSaidOnceAndNotTriedAgainByItself) {
    here.service.startSchedule();
    ASSERT_TRUE(here.turnOn(server.url(), password).ok);
    ASSERT_EQ(here.syncNow().outcome, SyncOutcome::Ok);
    // The password changed on the server since.
    bool stored = false;
    here.secrets.store({server.url().toString().toStdString(), user.toStdString()}, "old",
                       [&](bool, const std::string&) { stored = true; });
    ASSERT_TRUE(waitUntil([&] { return stored; }));
    syncWarnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(keepSyncWarnings);

    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::WrongCredentials);
    EXPECT_EQ(syncWarnings.size(), 1) << "said at the first refusal";
    EXPECT_TRUE(syncWarnings.value(0).contains(QStringLiteral("for %1 at %2").arg(user, server.url().host())));
    here.manager.addJotlingWithTitle("Milk");
    here.service.panelShown();
    EXPECT_FALSE(here.service.syncPlanned());
    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::WrongCredentials);
    qInstallMessageHandler(before);

    EXPECT_EQ(syncWarnings.size(), 1) << syncWarnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(syncWarnings.join(QLatin1Char('\n')).contains(QStringLiteral("old")));
    EXPECT_TRUE(here.service.needsAttention());
    // Entered again, the account is on without the old refusal, before the sync that follows has ended.
    std::optional<bool> attention;
    here.service.turnOn({server.url(), user, false}, password, [&](bool ok, const QString&) {
        EXPECT_TRUE(ok);
        attention = here.service.needsAttention();
    });
    ASSERT_TRUE(waitUntil([&] { return attention.has_value(); }));
    EXPECT_FALSE(*attention);
    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::Ok);
    EXPECT_FALSE(here.service.needsAttention());
}

// Syncs asked during a run are answered by one more run.
TEST_F(SyncServiceTest, SyncsAskedTogetherAreAllAnsweredAndTurnOffForgetsThePasswordTheAccountAndTheState) {
    ASSERT_TRUE(here.turnOn(server.url(), password).ok);
    std::vector<SyncOutcome> answers;
    for (int ask = 0; ask < 3; ++ask)
        here.service.syncNow([&](const SyncReport& report) { answers.push_back(report.outcome); });
    ASSERT_TRUE(waitUntil([&] { return answers.size() == 3; }, 60000));
    EXPECT_EQ(answers, std::vector<SyncOutcome>(3, SyncOutcome::Ok));
    // Each run holds the password in its client, so it goes once it has answered.
    EXPECT_TRUE(waitUntil([&] { return here.service.findChildren<SyncRun*>().isEmpty(); }));
    ASSERT_TRUE(QFile::exists(QString::fromStdString(here.statePath)));
    // Another address: the keyring keeps no password for the one before.
    const QUrl principal = server.url(QStringLiteral("/%1/").arg(user));
    ASSERT_TRUE(here.turnOn(principal, password).ok);
    EXPECT_EQ(here.secrets.passwords.size(), 1u);
    EXPECT_EQ(here.secrets.passwords.begin()->first.first, principal.toString().toStdString());

    EXPECT_TRUE(await<Answer>([&](auto done) { here.service.turnOff(done); }).ok);
    EXPECT_TRUE(here.secrets.passwords.empty());
    EXPECT_FALSE(here.service.account().has_value());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(here.statePath)));
    EXPECT_FALSE(here.service.lastReport()) << "the last sync of an account that is gone";
    EXPECT_EQ(here.syncNow().outcome, SyncOutcome::Refused);
}

// Asked from a program started after the sync, as "sync --status" is; the time as the user's language writes it.
TEST_F(SyncServiceTest, TheStatusSaysTheLastFailureAndTheLastGoodSync) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::shared_ptr<void> restore(nullptr, [before](void*) { QLocale::setDefault(before); });
    ASSERT_TRUE(here.turnOn(server.url(), password).ok);
    ASSERT_EQ(here.syncNow().outcome, SyncOutcome::Ok);
    const QString goodAt = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    ASSERT_TRUE(goodAt.endsWith(QLatin1String("AM")) || goodAt.endsWith(QLatin1String("PM"))) << goodAt.toStdString();
    server.stop();
    ASSERT_EQ(here.syncNow().outcome, SyncOutcome::RetryLater);

    SyncService next(here.defaults, here.manager, here.secrets, here.statePath);
    const QString status = next.status();
    EXPECT_TRUE(status.contains(QStringLiteral(" failed: cannot reach 127.0.0.1 (will retry)")))
        << status.toStdString();
    EXPECT_TRUE(status.endsWith(QStringLiteral("Last good sync %1.").arg(goodAt))) << status.toStdString();
}

// What "sync --status" and the settings say, read back from how the last sync ended; the ones that need the user
// ask for attention, a server that was only away or unreadable does not.
TEST(SyncServiceStatus, SaysWhyTheLastSyncFailedAndWhatTheServerTurnedDown) {
    for (const auto& [result, detail, refused, says, attention] :
         std::vector<std::tuple<std::string, std::string, int, QString, bool>>{
             {"Refused", "HTTP 507", 2,
              "failed: example.org refused the sync: HTTP 507; the server turned down 2 items, first \"Milk\": "
              "HTTP 413.",
              true},
             {"Refused", "", 0, "failed: example.org refused the sync. ", true},
             {"WrongCredentials", "", 0, "failed: wrong user name or password for alice at example.org. ", true},
             {"Malformed", "", 0, "failed: some tasks on example.org could not be read. ", false},
             {"RetryLater", "", 0, "failed: cannot reach example.org (will retry). ", false},
             {"Ok", "", 1, "; the server turned down 1 item, first \"Milk\": HTTP 413", false}}) {
        SCOPED_TRACE(result);
        SyncedList list;
        MemorySecretStore secrets;
        storeSyncAccount(list.defaults, SyncControl::Account{QUrl("https://example.org/dav/"), "alice", false});
        SyncState state;
        state.lastResult = result;
        state.lastSyncSince1970 = 1.6e9;
        state.lastDetail = detail;
        state.refusedItems = refused;
        state.firstRefusal = "\"Milk\": HTTP 413";
        ASSERT_TRUE(state.save(list.statePath));
        const SyncService service(list.defaults, list.manager, secrets, list.statePath);
        const QString status = service.status();
        EXPECT_TRUE(status.contains(says)) << status.toStdString();
        EXPECT_TRUE(status.startsWith(result == "Ok" ? "Synced at " : "Last sync "));
        EXPECT_EQ(status.endsWith(QLatin1String("No sync has gone well yet.")), result != "Ok") << status.toStdString();
        EXPECT_EQ(service.needsAttention(), attention);
    }
}

} // namespace
