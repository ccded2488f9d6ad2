// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncRun.h"
#include "CalDavAnswers.h"
#include "ItemTask.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "RadicaleServer.h"
#include "StoredItems.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");
const QString python = QStringLiteral("/usr/bin/python3");

// Another CalDAV client (Python's), doing what a phone's task app does.
const QString phoneScript = QStringLiteral(R"(
import sys, caldav
url, user, password, calendar, action, uid = sys.argv[1:7]
calendar = caldav.DAVClient(url, username=user, password=password).calendar(url=calendar)
if action == "add":
    summary, description = sys.argv[7:9]
    calendar.save_todo(ical="BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
        "\r\nDTSTAMP:20240101T000000Z\r\nCREATED:20240101T000000Z\r\nSUMMARY:" + summary + "\r\nDESCRIPTION:" +
        description + "\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\nEND:VCALENDAR\r\n")
else:
    todo = calendar.object_by_uid(uid)
    if action == "rename":
        todo.icalendar_instance.walk("VTODO")[0]["SUMMARY"] = sys.argv[7]
        todo.save()
    elif action == "complete":
        todo.complete()
    elif action == "delete":
        todo.delete()
)");

class SyncRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RadicaleServer::installed())
            GTEST_SKIP() << "radicale is not installed";
        if (QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import caldav")}) != 0)
            GTEST_SKIP() << "python3-caldav is not installed";
        ASSERT_TRUE(server.start(user, password)) << "radicale would not start";
    }

    SyncReport sync(const QString& secret = password, const std::optional<QUrl>& address = {}) {
        SyncRun run(CalDavAccount{address.value_or(server.url()), user, secret}, manager, statePath);
        std::optional<SyncReport> report;
        QObject::connect(&run, &SyncRun::finished, [&](const SyncReport& finished) { report = finished; });
        run.start();
        EXPECT_TRUE(waitUntil([&] { return report.has_value(); }, 60000)) << "the sync never finished";
        return report.value_or(SyncReport{SyncOutcome::RetryLater, {}, QStringLiteral("never finished")});
    }
    QUrl calendar() const { return QUrl(QString::fromStdString(SyncState::load(statePath).calendar)); }

    void phone(const QString& action, const std::string& uid, const QStringList& more = {}) {
        ASSERT_EQ(QProcess::execute(python,
                                    QStringList{QStringLiteral("-c"), phoneScript, server.url().toString(), user,
                                                password, calendar().toString(), action, QString::fromStdString(uid)} +
                                        more),
                  0)
            << action.toStdString();
    }

    // The server's tasks by UID, as their texts.
    std::map<std::string, std::string> serverTasks() {
        CalDavClient client(CalDavAccount{server.url(), user, password});
        client.setCalendar(calendar());
        const Fetched fetched = fetchChanges(client, {});
        EXPECT_TRUE(fetched.result.ok()) << fetched.result;
        std::map<std::string, std::string> tasks;
        for (const CalDavTask& task : fetched.changes.changed)
            if (const auto read = vtodo::read(task.icalendar.toStdString()))
                tasks[read->uid] = task.icalendar.toStdString();
        return tasks;
    }
    std::string uidAt(std::size_t index) const {
        return vtodo::taskOfItem(*manager.redizado().at(index)->dictionary()).uid;
    }
    static vtodo::Task taskOf(const std::string& text) { return vtodo::read(text).value_or(vtodo::Task{}); }

    RadicaleServer server;
    TempFolder folder;
    const std::string statePath = folder.path() + "/redizado/sync.plist";
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
};

TEST_F(SyncRunTest, AnItemAddedHereAppearsOnTheServer) {
    manager.addJotlingWithTitle("Milk");
    const SyncReport report = sync();
    ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    EXPECT_EQ(report.summary.addedThere, 1);
    const auto tasks = serverTasks();
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(taskOf(tasks.begin()->second).title, "Milk");
    EXPECT_EQ(tasks.begin()->first, uidAt(0));
    EXPECT_EQ(SyncState::load(statePath).lastResult, "Ok");
}

TEST_F(SyncRunTest, ATaskFromThePhoneAppearsHereAndKeepsItsDescriptionWhenRenamedHere) {
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    phone(QStringLiteral("add"), "p1", {QStringLiteral("Bread"), QStringLiteral("the wholemeal kind")});
    int posted = 0;
    center.addObserver(notifications::toDoCountChanged, nullptr, [&](const auto&) { ++posted; });

    const SyncReport report = sync();
    ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    EXPECT_EQ(report.summary.addedHere, 1);
    EXPECT_EQ(titlesOf(manager.redizado()), std::vector<std::string>{"Bread"});
    EXPECT_EQ(storedTitles(defaults), std::vector<std::string>{"Bread"});
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
    EXPECT_GE(posted, 1);

    manager.renameEntry("Rye bread", 0, false);
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    const std::string text = serverTasks().at("p1");
    EXPECT_EQ(taskOf(text).title, "Rye bread");
    EXPECT_NE(text.find("DESCRIPTION:the wholemeal kind"), std::string::npos) << text;
}

TEST_F(SyncRunTest, CheckedOnBothSidesStaysOneCheckedItem) {
    manager.addJotlingWithTitle("Milk");
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    phone(QStringLiteral("complete"), uidAt(0));
    manager.completeEntry(true, 0, false);

    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    ASSERT_EQ(manager.redizado().size(), 1u);
    EXPECT_TRUE(manager.redizado()[0]->completed());
    const auto tasks = serverTasks();
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_TRUE(taskOf(tasks.begin()->second).completed);
}

TEST_F(SyncRunTest, DeletionsGoBothWays) {
    manager.addJotlingWithTitle("Milk");
    manager.addJotlingWithTitle("Bread");
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    phone(QStringLiteral("delete"), uidAt(1));
    manager.removeEntryAtIndex(0, false);

    const SyncReport report = sync();
    ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    EXPECT_EQ(report.summary.removedHere, 1);
    EXPECT_EQ(report.summary.removedThere, 1);
    EXPECT_TRUE(manager.redizado().empty());
    EXPECT_TRUE(serverTasks().empty());
}

TEST_F(SyncRunTest, AWriteOverAPhonesChangeMadeMeanwhileIsMergedAgain) {
    manager.addJotlingWithTitle("Milk");
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    const std::string milk = uidAt(0);
    phone(QStringLiteral("add"), "p1", {QStringLiteral("Bread"), QStringLiteral("any")});
    manager.completeEntry(true, 0, false);
    // The phone renames Milk after our fetch, before our write: when the sync saves the fetched Bread here.
    bool renamed = false;
    center.addObserver(notifications::toDoCountChanged, nullptr, [&](const auto&) {
        if (!std::exchange(renamed, true))
            phone(QStringLiteral("rename"), milk, {QStringLiteral("Soy milk")});
    });

    const SyncReport report = sync();
    ASSERT_TRUE(renamed);
    ASSERT_EQ(report.outcome, SyncOutcome::Ok) << report.detail.toStdString();
    const vtodo::Task there = taskOf(serverTasks().at(milk));
    EXPECT_EQ(there.title, "Soy milk");
    EXPECT_TRUE(there.completed);
    EXPECT_EQ(titlesOf(manager.redizado()), (std::vector<std::string>{"Soy milk", "Bread"}));
    EXPECT_TRUE(manager.redizado()[0]->completed());
}

TEST_F(SyncRunTest, AWrongPasswordLeavesTheItemsAsTheyAre) {
    manager.addJotlingWithTitle("Milk");
    EXPECT_EQ(sync(QStringLiteral("guess")).outcome, SyncOutcome::WrongCredentials);
    EXPECT_EQ(titlesOf(manager.redizado()), std::vector<std::string>{"Milk"});
    EXPECT_EQ(SyncState::load(statePath).lastResult, "WrongCredentials");
}

TEST_F(SyncRunTest, AnAddressWhereNoCalendarIsFoundKeepsWhatTheLastSyncKnew) {
    manager.addJotlingWithTitle("Milk");
    ASSERT_EQ(sync().outcome, SyncOutcome::Ok);
    const SyncState before = SyncState::load(statePath);
    QUrl closedPort = server.url();
    closedPort.setPort(1);
    EXPECT_EQ(sync(password, closedPort).outcome, SyncOutcome::RetryLater);
    const SyncState after = SyncState::load(statePath);
    EXPECT_EQ(after.calendar, before.calendar);
    EXPECT_EQ(after.tasks, before.tasks);
}

} // namespace
