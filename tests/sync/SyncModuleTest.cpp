// SPDX-License-Identifier: GPL-3.0-or-later
// The sync as the program has it: its own library, loaded on demand beside the program's code as the installed
// program loads it, merging into the store the program reads.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "LoadedSync.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "PrivateKeyring.h"
#include "PrivateSessionBus.h"
#include "RadicaleServer.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {
const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");

// Each item of the file as libplist reads it: its keys in order, repeats kept.
using StoredItem = std::vector<std::pair<std::string, plist_t>>;

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
        if (stored)
            plist_free(stored);
    }

    bool turnOn() {
        std::optional<bool> answer;
        sync->turnOn({server.url(), user, false}, password, [&](bool ok, const QString&) { answer = ok; });
        return waitUntil([&] { return answer.has_value(); }, 60000) && *answer;
    }
    std::optional<SyncOutcome> syncNow() {
        std::optional<SyncOutcome> outcome;
        sync->syncNow([&](const SyncReport& report) { outcome = report.outcome; });
        waitUntil([&] { return outcome.has_value(); }, 60000);
        return outcome;
    }

    // What another client does to the one task on the server: its text rewritten and put back over HTTP.
    void changeTheTaskElsewhere(const QByteArray& from, const QByteArray& to) {
        const QString storage = QString::fromStdString(server.storagePath());
        QDirIterator files(storage, {QStringLiteral("*.ics")}, QDir::Files, QDirIterator::Subdirectories);
        ASSERT_TRUE(files.hasNext()) << "the item never reached the server";
        const QString file = files.next();
        QFile task(file);
        ASSERT_TRUE(task.open(QIODevice::ReadOnly));
        QByteArray text = task.readAll();
        ASSERT_TRUE(text.contains(from)) << text.toStdString();
        text.replace(from, to);
        const QString path = file.mid(storage.size()).remove(QStringLiteral("/collection-root"));
        ASSERT_EQ(server.send("PUT", path, user, password, text) / 100, 2) << path.toStdString();
    }

    std::vector<StoredItem> itemsInTheFile() {
        QFile file(QString::fromStdString(preferencesPath));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray xml = file.readAll();
        plist_from_xml(xml.constData(), uint32_t(xml.size()), &stored);
        std::vector<StoredItem> items;
        const plist_t list = stored ? plist_dict_get_item(stored, keys::allRedizado) : nullptr;
        for (uint32_t i = 0; list && i < plist_array_get_size(list); ++i) {
            const plist_t item = plist_array_get_item(list, i);
            plist_dict_iter it = nullptr;
            plist_dict_new_iter(item, &it);
            StoredItem entries;
            for (;;) {
                char* key = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(item, it, &key, &value);
                if (!key)
                    break;
                entries.emplace_back(key, value);
                free(key);
            }
            free(it);
            items.push_back(std::move(entries));
        }
        return items;
    }

    std::string preferencesPath = m_folder.path() + "/defaults.plist";
    RadicaleServer server;
    NotificationCenter center;
    std::unique_ptr<FileUserDefaults> defaults;
    std::unique_ptr<JLJotlingManager> manager;
    std::unique_ptr<LoadedSync> sync;
    std::optional<PrivateKeyring> m_keyring;
    plist_t stored = nullptr;
};

TEST_F(SyncModuleTest, ATaskCompletedAndRenamedElsewhereIsStoredOnceWithItsNewValues) {
    manager->addJotlingWithTitle("Buy milk");
    ASSERT_TRUE(turnOn());
    ASSERT_EQ(syncNow(), SyncOutcome::Ok);
    changeTheTaskElsewhere("SUMMARY:Buy milk", "SUMMARY:Buy oat milk");
    changeTheTaskElsewhere("STATUS:NEEDS-ACTION", "STATUS:COMPLETED");
    ASSERT_EQ(syncNow(), SyncOutcome::Ok);

    const std::vector<StoredItem> items = itemsInTheFile();
    ASSERT_EQ(items.size(), 1u);
    std::map<std::string, plist_t> values;
    for (const auto& [key, value] : items.front())
        EXPECT_TRUE(values.emplace(key, value).second) << key << " is in the item twice";
    ASSERT_TRUE(values.count(keys::jotlingTitle) && values.count(keys::jotlingChecked));
    char* title = nullptr;
    plist_get_string_val(values[keys::jotlingTitle], &title);
    EXPECT_STREQ(title, "Buy oat milk");
    free(title);
    uint8_t checked = 0;
    plist_get_bool_val(values[keys::jotlingChecked], &checked);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(manager->todoRedizado().empty()) << "the list shown still has it to do";
}
} // namespace
