// SPDX-License-Identifier: GPL-3.0-or-later
// The sync as the program has it: its own library, loaded on demand beside the program's code as the installed
// program loads it, merging into the store the program reads.
#include "FileContents.h"
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "LoadedSync.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "PrivateKeyring.h"
#include "PrivateSessionBus.h"
#include "RadicaleServer.h"
#include "StoredItems.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

namespace {
const QString &user = RadicaleTest::user, &password = RadicaleTest::password;

class SyncModuleTest : public PrivateBusTest {
protected:
    void SetUp() override {
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        if (!RadicaleServer::installed() || !PrivateKeyring::installed())
            GTEST_SKIP() << "radicale or gnome-keyring is not installed";
        m_keyring.emplace(address, m_folder.path());
        ASSERT_TRUE(m_keyring->start(*ours)) << "the keyring did not come up";
        ASSERT_TRUE(server.start(user, password)) << "radicale would not start";
        defaults = std::make_unique<FileUserDefaults>(preferencesPath);
        manager = std::make_unique<JLJotlingManager>(*defaults, center);
        sync = std::make_unique<LoadedSync>(*defaults, *manager);
    }
    void TearDown() override {
        sync.reset();
        m_keyring.reset();
        PrivateBusTest::TearDown();
    }

    std::optional<SyncOutcome> syncNow() {
        std::optional<SyncOutcome> outcome;
        sync->syncNow([&](const SyncReport& report) { outcome = report.outcome; });
        waitUntil([&] { return outcome.has_value(); }, 60000);
        return outcome;
    }

    // The server's task files.
    QStringList taskFiles() const {
        QStringList found;
        QDirIterator files(QString::fromStdString(server.storagePath()), {QStringLiteral("*.ics")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            found.append(files.next());
        return found;
    }

    // What another client does to the one task on the server: its text rewritten and put back over HTTP.
    void changeTheTaskElsewhere(const QByteArray& from, const QByteArray& to) {
        const QString storage = QString::fromStdString(server.storagePath());
        const QStringList files = taskFiles();
        ASSERT_FALSE(files.isEmpty()) << "the item never reached the server";
        const QString file = files.first();
        QByteArray text = QByteArray::fromStdString(readFile(file.toStdString()));
        ASSERT_TRUE(text.contains(from)) << text.toStdString();
        text.replace(from, to);
        const QString path = file.mid(storage.size()).remove(QStringLiteral("/collection-root"));
        ASSERT_EQ(server.send("PUT", path, user, password, text) / 100, 2) << path.toStdString();
    }

    std::string preferencesPath = m_folder.path() + "/defaults.plist";
    RadicaleServer server;
    NotificationCenter center;
    std::unique_ptr<FileUserDefaults> defaults;
    std::unique_ptr<JLJotlingManager> manager;
    std::unique_ptr<LoadedSync> sync;
    std::optional<PrivateKeyring> m_keyring;
};

// With sync off, what the settings and the tray ask of it costs no network library.
TEST(LoadedSyncTest, WithNoAccountItIsOffAndNothingIsLoaded) {
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    LoadedSync sync(defaults, manager);
    sync.startSchedule();
    EXPECT_EQ(sync.status(), QStringLiteral("Sync is off"));
    EXPECT_FALSE(sync.needsAttention());
    // A sync asked for then (the command line's) is answered, not left waiting.
    std::optional<SyncReport> report;
    sync.syncNow([&](const SyncReport& answer) { report = answer; });
    ASSERT_TRUE(waitUntil([&] { return report.has_value(); }));
    EXPECT_EQ(std::pair(report->outcome, report->detail),
              std::pair(SyncOutcome::Refused, QStringLiteral("Sync is off")));
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        ASSERT_EQ(line.find("redizado-sync"), std::string::npos) << line;
}

TEST_F(SyncModuleTest, ATaskCompletedAndRenamedElsewhereIsStoredOnceWithItsNewValues) {
    manager->addJotlingWithTitle("Buy milk");
    std::optional<bool> on;
    sync->turnOn({server.url(), user, false}, password, [&](bool ok, const QString&) { on = ok; });
    ASSERT_TRUE(waitUntil([&] { return on.has_value(); }, 60000) && *on);
    ASSERT_EQ(syncNow(), SyncOutcome::Ok);
    changeTheTaskElsewhere("SUMMARY:Buy milk", "SUMMARY:Buy oat milk");
    changeTheTaskElsewhere("STATUS:NEEDS-ACTION", "STATUS:COMPLETED");
    ASSERT_EQ(syncNow(), SyncOutcome::Ok);

    // Each key once in the file, and read back so at the next start.
    const QByteArray file = QByteArray::fromStdString(readFile(preferencesPath));
    for (const char* key : {keys::jotlingTitle, keys::jotlingChecked})
        EXPECT_EQ(file.count("<key>" + QByteArray(key) + "</key>"), 1) << file.toStdString();
    FileUserDefaults reread(preferencesPath);
    JLJotlingManager atNextStart(reread, center);
    ASSERT_EQ(titlesOf(atNextStart.redizado()), std::vector<std::string>{"Buy oat milk"});
    EXPECT_TRUE(atNextStart.redizado()[0]->completed());
    EXPECT_TRUE(manager->todoRedizado().empty()) << "the list shown still has it to do";

    // At the next start the schedule alone syncs at once, before anyone opens the panel.
    changeTheTaskElsewhere("SUMMARY:Buy oat milk", "SUMMARY:Buy rice milk");
    sync.reset();
    sync = std::make_unique<LoadedSync>(*defaults, *manager);
    sync->startSchedule();
    EXPECT_TRUE(waitUntil([&] { return *manager->redizado().at(0)->title() == "Buy rice milk"; }, 30000));
    // An item added here goes after the batch, with no sync asked.
    manager->addJotlingWithTitle("Buy bread");
    sync->itemsChangedHere();
    EXPECT_TRUE(waitUntil([&] { return taskFiles().size() == 2; }, 30000));
}
} // namespace
