// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the list and a phone, each changing things, meeting through one server: whatever the order of their
// syncs and whatever goes wrong in between, they end up with the same items and nothing is lost.
#include "CalDavAnswers.h"
#include "ItemTask.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "RadicaleServer.h"
#include "StoredItems.h"
#include "SyncRun.h"

#include <QDir>
#include <QSslConfiguration>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");

// One device's list and its sync state.
struct Copy {
    explicit Copy(const std::string& folder) : statePath(folder + "/sync.plist") {}
    const std::string statePath;
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};

    std::int64_t indexOf(const std::string& title) const {
        const auto titles = titlesOf(manager.redizado());
        return std::find(titles.begin(), titles.end(), title) - titles.begin();
    }
    void rename(const std::string& from, const std::string& to) { manager.renameEntry(to, indexOf(from), false); }
    void check(const std::string& title) { manager.completeEntry(true, indexOf(title), false); }
    void remove(const std::string& title) { manager.removeEntryAtIndex(indexOf(title), false); }
};

// Title and check mark by UID: two sides agree when these are equal.
using Contents = std::map<std::string, std::pair<std::string, bool>>;
// Title and check mark, UIDs aside: items not synced yet have none.
using Items = std::multiset<std::pair<std::string, bool>>;

Contents contentsOf(const Copy& copy) {
    Contents contents;
    for (const auto& item : copy.manager.redizado()) {
        const vtodo::Task task = vtodo::taskOfItem(*item->dictionary());
        contents[task.uid] = {task.title, task.completed};
    }
    return contents;
}

Items itemsOf(const Copy& copy) {
    Items items;
    for (const auto& item : copy.manager.redizado())
        items.insert({item->title().value_or("<none>"), item->completed()});
    return items;
}

// Restores the certificates the process trusts, whatever the test did.
struct TrustedCertificates {
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    void add(const QList<QSslCertificate>& certificates) {
        QSslConfiguration trusting = saved;
        trusting.addCaCertificates(certificates);
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    ~TrustedCertificates() { QSslConfiguration::setDefaultConfiguration(saved); }
};

class SyncConvergenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RadicaleServer::installed())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_TRUE(server.start(user, password)) << "radicale would not start";
    }

    SyncReport sync(Copy& copy) { return sync(copy, server.url()); }
    SyncReport sync(Copy& copy, const QUrl& address) {
        SyncRun run(CalDavAccount{address, user, password}, copy.manager, copy.statePath);
        std::optional<SyncReport> report;
        QObject::connect(&run, &SyncRun::finished, [&](const SyncReport& finished) { report = finished; });
        run.start();
        EXPECT_TRUE(waitUntil([&] { return report.has_value(); }, 60000)) << "the sync never finished";
        return report.value_or(SyncReport{SyncOutcome::RetryLater, {}, QStringLiteral("never finished")});
    }
    void syncOk(Copy& copy) {
        const SyncReport report = sync(copy);
        ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    }

    QUrl calendar() const { return QUrl(QString::fromStdString(SyncState::load(a.statePath).calendar)); }
    QList<CalDavTask> serverTasks(const RadicaleServer& where) {
        CalDavClient client(CalDavAccount{where.url(), user, password});
        client.setCalendar(where.url(calendar().path()));
        const Fetched fetched = fetchChanges(client, {});
        EXPECT_TRUE(fetched.result.ok()) << fetched.result;
        return fetched.changes.changed;
    }
    Contents serverContents(const RadicaleServer& where) {
        Contents contents;
        for (const CalDavTask& task : serverTasks(where)) {
            const auto read = vtodo::read(task.icalendar.toStdString());
            EXPECT_TRUE(read) << task.icalendar.toStdString();
            if (read)
                contents[read->uid] = {read->title, read->completed};
        }
        return contents;
    }
    Contents serverContents() { return serverContents(server); }

    // Another client, at paths of its own naming, writing over whatever is there.
    void phoneAdds(const char* uid, const char* title) {
        const QString path = calendar().path() + QStringLiteral("phone-%1.ics").arg(QLatin1StringView(uid));
        EXPECT_EQ(server.send("PUT", path, user, password, task(uid, title)), 201);
    }
    void phoneRenames(const std::string& from, const std::string& to) {
        for (const CalDavTask& task : serverTasks(server)) {
            QByteArray text = task.icalendar;
            if (vtodo::read(text.toStdString()).value_or(vtodo::Task{}).title != from)
                continue;
            text.replace(QByteArray::fromStdString("SUMMARY:" + from), QByteArray::fromStdString("SUMMARY:" + to));
            EXPECT_EQ(server.send("PUT", task.href, user, password, text), 201);
            return;
        }
        ADD_FAILURE() << "no task " << from << " on the server";
    }

    void expectAllAgree(const Items& expected) {
        EXPECT_EQ(itemsOf(a), expected);
        const Contents here = contentsOf(a);
        EXPECT_EQ(contentsOf(b), here);
        EXPECT_EQ(serverContents(), here);
    }

    RadicaleServer server;
    TempFolder folder;
    Copy a{folder.path() + "/a"};
    Copy b{folder.path() + "/b"};
};

TEST_F(SyncConvergenceTest, EditsOnBothCopiesMeetOnTheServer) {
    for (const char* title : {"Milk", "Bread", "Eggs", "Tea"})
        a.manager.addJotlingWithTitle(title);
    syncOk(a);
    syncOk(b);
    a.rename("Milk", "Oat milk");
    a.rename("Bread", "Rye bread");
    a.manager.addJotlingWithTitle("Jam");
    b.check("Bread");
    b.check("Tea");
    b.remove("Eggs");
    b.manager.addJotlingWithTitle("Butter");

    syncOk(a);
    syncOk(b);
    syncOk(a);
    expectAllAgree({{"Oat milk", false}, {"Rye bread", true}, {"Tea", true}, {"Jam", false}, {"Butter", false}});
}

TEST_F(SyncConvergenceTest, TheSameItemRenamedOnBothCopiesKeepsBothTitles) {
    a.manager.addJotlingWithTitle("Milk");
    syncOk(a);
    syncOk(b);
    a.rename("Milk", "Oat milk");
    b.rename("Milk", "Soy milk");

    syncOk(a);
    syncOk(b);
    syncOk(a);
    expectAllAgree({{"Oat milk", false}, {"Soy milk", false}});
}

TEST_F(SyncConvergenceTest, ACopyOffLineCatchesUpWithoutLosingItsChanges) {
    for (const char* title : {"Milk", "Bread", "Eggs"})
        a.manager.addJotlingWithTitle(title);
    syncOk(a);
    syncOk(b);
    b.rename("Milk", "Oat milk");
    b.manager.addJotlingWithTitle("Butter");
    const Contents offLine = contentsOf(b);

    server.stop();
    EXPECT_EQ(sync(b).outcome, SyncOutcome::RetryLater);
    EXPECT_EQ(contentsOf(b), offLine);
    EXPECT_EQ(storedTitles(b.defaults), titlesOf(b.manager.redizado()));

    ASSERT_TRUE(server.restart());
    a.check("Bread");
    a.remove("Eggs");
    syncOk(a);
    phoneAdds("p1", "Tea");
    phoneRenames("Bread", "Rye bread");

    syncOk(b);
    syncOk(a);
    expectAllAgree({{"Oat milk", false}, {"Rye bread", true}, {"Butter", false}, {"Tea", false}});
}

TEST_F(SyncConvergenceTest, AServerKilledWhileTakingWritesLosesNothingAndTheNextSyncConverges) {
    a.manager.addJotlingWithTitle("Milk");
    syncOk(a);
    for (int i = 0; i < 30; ++i)
        a.manager.addJotlingWithTitle("Item " + std::to_string(i));
    a.rename("Milk", "Oat milk");
    phoneAdds("p1", "Tea");
    const Items before = itemsOf(a);
    Items merged = before;
    merged.insert({"Tea", false});

    // Killed once the first of the new tasks is stored, with the others still on their way.
    const QDir stored(QString::fromStdString(server.storagePath()) + QStringLiteral("/collection-root") +
                      calendar().path());
    const auto storedTasks = [&] { return stored.entryList({QStringLiteral("*.ics")}, QDir::Files).size(); };
    ASSERT_EQ(storedTasks(), 2);
    SyncRun run(CalDavAccount{server.url(), user, password}, a.manager, a.statePath);
    std::optional<SyncReport> report;
    QObject::connect(&run, &SyncRun::finished, [&](const SyncReport& finished) { report = finished; });
    run.start();
    ASSERT_TRUE(waitUntil([&] { return report.has_value() || storedTasks() > 2; }, 60000));
    ASSERT_FALSE(report.has_value()) << "the sync was over before the server could be killed";
    server.stop();
    ASSERT_TRUE(waitUntil([&] { return report.has_value(); }, 60000)) << "the sync never finished";

    EXPECT_EQ(report->outcome, SyncOutcome::RetryLater) << report->detail.toStdString();
    const Items after = itemsOf(a);
    EXPECT_TRUE(after == before || after == merged) << after.size() << " items";
    EXPECT_EQ(storedTitles(a.defaults), titlesOf(a.manager.redizado()));

    ASSERT_TRUE(server.restart());
    syncOk(a);
    syncOk(b);
    expectAllAgree(merged);
}

TEST_F(SyncConvergenceTest, OverHttpsTheServersCertificateMustBeTrusted) {
    if (!RadicaleServer::canServeHttps())
        GTEST_SKIP() << "openssl is not installed";
    RadicaleServer secure;
    ASSERT_TRUE(secure.start(user, password, RadicaleServer::Scheme::Https)) << "radicale would not start";
    a.manager.addJotlingWithTitle("Milk");

    const SyncReport untrusted = sync(a, secure.url());
    EXPECT_EQ(untrusted.outcome, SyncOutcome::Refused) << untrusted.detail.toStdString();

    TrustedCertificates trusted;
    trusted.add(secure.certificates());
    const SyncReport report = sync(a, secure.url());
    ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    EXPECT_EQ(report.summary.addedThere, 1);
    EXPECT_EQ(serverContents(secure), contentsOf(a));
    EXPECT_EQ(itemsOf(a), (Items{{"Milk", false}}));
}

} // namespace
