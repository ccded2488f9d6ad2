// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavClient.h"
#include "CalDavAnswers.h"
#include "RadicaleServer.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");
// Debian's, where python3-caldav is installed, whatever else is first on the path.
const QString python = QStringLiteral("/usr/bin/python3");

class CalDavClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RadicaleServer::installed())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_TRUE(server.start(user, password)) << "radicale would not start";
    }

    std::unique_ptr<CalDavClient> clientAt(const QString& path, const QString& secret = password) {
        return std::make_unique<CalDavClient>(CalDavAccount{server.url(path), user, secret});
    }
    // A client on the task calendar found from the server's root.
    std::unique_ptr<CalDavClient> clientOnCalendar() {
        auto client = clientAt(QStringLiteral("/"));
        EXPECT_TRUE(discover(*client).result.ok());
        return client;
    }
    void makeCalendar(const QString& path, const char* name, const char* component) {
        const QByteArray body = QByteArray("<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                                           "<d:set><d:prop><d:displayname>") +
                                name + "</d:displayname><c:supported-calendar-component-set><c:comp name=\"" +
                                component + "\"/></c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
        ASSERT_EQ(server.send("MKCALENDAR", path, user, password, body), 201);
    }
    // Another CalDAV client (Python's) renames the task, as a phone would.
    static bool otherClientInstalled() {
        return QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import caldav")}) == 0;
    }
    void renameElsewhere(const QUrl& calendar, const char* uid, const char* summary) {
        const QString script = QStringLiteral(R"(
import sys, caldav
url, user, password, calendar, uid, summary = sys.argv[1:]
todo = caldav.DAVClient(url, username=user, password=password).calendar(url=calendar).object_by_uid(uid)
todo.icalendar_instance.walk("VTODO")[0]["SUMMARY"] = summary
todo.save()
)");
        ASSERT_EQ(
            QProcess::execute(python, {QStringLiteral("-c"), script, server.url().toString(), user, password,
                                       calendar.toString(), QString::fromLatin1(uid), QString::fromLatin1(summary)}),
            0);
    }

    RadicaleServer server;
};

TEST_F(CalDavClientTest, FromTheServerRootMakesATaskCalendarOnceAndFindsItAfterwards) {
    const Discovered first = discover(*clientAt(QStringLiteral("/")));
    ASSERT_TRUE(first.result.ok()) << first.result;
    EXPECT_TRUE(first.calendar.path().startsWith(QStringLiteral("/alice/"))) << first.calendar.toString().toStdString();
    EXPECT_EQ(discover(*clientAt(QStringLiteral("/"))).calendar, first.calendar);
}

TEST_F(CalDavClientTest, FromACalendarAddressAnswersThatCalendar) {
    makeCalendar(QStringLiteral("/alice/chores/"), "Chores", "VTODO");
    const Discovered found = discover(*clientAt(QStringLiteral("/alice/chores/")));
    ASSERT_TRUE(found.result.ok()) << found.result;
    EXPECT_EQ(found.calendar, server.url(QStringLiteral("/alice/chores/")));
}

TEST_F(CalDavClientTest, PrefersTheCalendarNamedRedizadoAmongTaskCalendars) {
    makeCalendar(QStringLiteral("/alice/a-work/"), "Work", "VTODO");
    makeCalendar(QStringLiteral("/alice/b-ours/"), "Redizado", "VTODO");
    EXPECT_EQ(discover(*clientAt(QStringLiteral("/"))).calendar, server.url(QStringLiteral("/alice/b-ours/")));
}

TEST_F(CalDavClientTest, AnEventsCalendarGivesWayToANewTaskCalendar) {
    makeCalendar(QStringLiteral("/alice/events/"), "Events", "VEVENT");
    const Discovered found = discover(*clientAt(QStringLiteral("/alice/events/")));
    ASSERT_TRUE(found.result.ok()) << found.result;
    EXPECT_NE(found.calendar, server.url(QStringLiteral("/alice/events/")));
    EXPECT_TRUE(found.calendar.path().startsWith(QStringLiteral("/alice/")));
}

TEST_F(CalDavClientTest, AWrongPasswordIsToldAsSuch) {
    EXPECT_EQ(discover(*clientAt(QStringLiteral("/"), QStringLiteral("guess"))).result.outcome,
              CalDavOutcome::WrongCredentials);
}

TEST_F(CalDavClientTest, ANewTaskIsWrittenOnlyWhereNoneIs) {
    auto client = clientOnCalendar();
    const QString href = client->hrefFor(QStringLiteral("new@example.org"));
    const Written first = put(*client, href, task("new@example.org", "Milk"), std::nullopt);
    ASSERT_TRUE(first.result.ok()) << first.result;
    EXPECT_FALSE(first.etag.isEmpty());
    const Fetched listed = fetchChanges(*client, {});
    ASSERT_EQ(listed.changes.changed.size(), 1);
    EXPECT_EQ(listed.changes.changed.first().href, href) << "one task, one href, however the server spells it";
    EXPECT_EQ(put(*client, href, task("new@example.org", "Bread"), std::nullopt).result.outcome,
              CalDavOutcome::PreconditionFailed);
}

TEST_F(CalDavClientTest, AWriteOverAnotherClientsChangeFailsItsPrecondition) {
    if (!otherClientInstalled())
        GTEST_SKIP() << "python3-caldav is not installed";
    auto client = clientOnCalendar();
    const QString href = client->hrefFor(QStringLiteral("t1"));
    const QByteArray etag = put(*client, href, task("t1", "Milk"), std::nullopt).etag;
    const Written ours = put(*client, href, task("t1", "Oat milk"), etag);
    ASSERT_TRUE(ours.result.ok()) << ours.result;
    EXPECT_NE(ours.etag, etag);

    renameElsewhere(client->calendar(), "t1", "Soy milk");
    EXPECT_EQ(put(*client, href, task("t1", "Rice milk"), ours.etag).result.outcome, CalDavOutcome::PreconditionFailed);
    const Fetched now = fetchChanges(*client, {});
    ASSERT_EQ(now.changes.changed.size(), 1);
    EXPECT_TRUE(now.changes.changed.first().icalendar.contains("Soy milk"));
}

TEST_F(CalDavClientTest, RemovesOnlyTheVersionItKnows) {
    auto client = clientOnCalendar();
    const QString href = client->hrefFor(QStringLiteral("t1"));
    const QByteArray stale = put(*client, href, task("t1", "Milk"), std::nullopt).etag;
    const QByteArray current = put(*client, href, task("t1", "Bread"), stale).etag;

    EXPECT_EQ(remove(*client, href, stale).result.outcome, CalDavOutcome::PreconditionFailed);
    EXPECT_TRUE(remove(*client, href, current).result.ok());
    EXPECT_TRUE(fetchChanges(*client, {}).changes.changed.isEmpty());
    EXPECT_TRUE(remove(*client, href, current).result.ok()) << "a task already gone counts as removed";
}

TEST_F(CalDavClientTest, ChangesSinceATokenAreOnlyWhatChangedAfterIt) {
    auto client = clientOnCalendar();
    const QString a = client->hrefFor(QStringLiteral("a")), b = client->hrefFor(QStringLiteral("b"));
    const QByteArray etagA = put(*client, a, task("a", "Milk"), std::nullopt).etag;
    const QByteArray etagB = put(*client, b, task("b", "Bread"), std::nullopt).etag;
    const Fetched all = fetchChanges(*client, {});
    ASSERT_TRUE(all.result.ok()) << all.result;
    EXPECT_EQ(all.changes.changed.size(), 2);
    EXPECT_TRUE(all.changes.wasFullListing);

    const QByteArray etagA2 = put(*client, a, task("a", "Oat milk"), etagA).etag;
    ASSERT_TRUE(remove(*client, b, etagB).result.ok());
    const QString c = client->hrefFor(QStringLiteral("c"));
    put(*client, c, task("c", "Eggs"), std::nullopt);

    const Fetched since = fetchChanges(*client, all.changes.newToken);
    ASSERT_TRUE(since.result.ok()) << since.result;
    EXPECT_FALSE(since.changes.wasFullListing);
    QStringList changed;
    for (const CalDavTask& task : since.changes.changed)
        changed.append(task.href);
    changed.sort();
    EXPECT_EQ(changed, QStringList({a, c}));
    EXPECT_EQ(since.changes.removed, QStringList({b}));
    EXPECT_EQ(since.changes.changed.first().etag, etagA2);
    EXPECT_TRUE(since.changes.changed.first().icalendar.contains("Oat milk"));
    EXPECT_NE(since.changes.newToken, all.changes.newToken);
}

TEST_F(CalDavClientTest, ATokenTheServerForgotGivesAFullListing) {
    auto client = clientOnCalendar();
    put(*client, client->hrefFor(QStringLiteral("a")), task("a", "Milk"), std::nullopt);
    const Fetched listing = fetchChanges(*client, "http://radicale.org/ns/sync/0000");
    ASSERT_TRUE(listing.result.ok()) << listing.result;
    EXPECT_TRUE(listing.changes.wasFullListing);
    EXPECT_EQ(listing.changes.changed.size(), 1);
    EXPECT_FALSE(listing.changes.newToken.isEmpty());
}

TEST_F(CalDavClientTest, AServerStoppedMidRequestIsTriedAgainLater) {
    auto client = clientOnCalendar();
    server.pause();
    std::optional<CalDavResult> answer;
    client->fetchChanges({}, [&](const CalDavResult& result, const CalDavChanges&) { answer = result; });
    server.stop();
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }, 20000));
    EXPECT_EQ(answer->outcome, CalDavOutcome::RetryLater) << *answer;
}

TEST_F(CalDavClientTest, AServerThatHangsTimesOutToTryAgainLater) {
    auto client = clientOnCalendar();
    client->setTimeout(std::chrono::milliseconds(300));
    server.pause();
    EXPECT_EQ(fetchChanges(*client, {}).result.outcome, CalDavOutcome::RetryLater);
}

} // namespace
