// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavAnswers.h"
#include "CalDavClient.h"
#include "StubHttpServer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray answer(const char* statusLine, const QByteArray& body, const QByteArray& headers = {}) {
    return QByteArray("HTTP/1.1 ") + statusLine + "\r\n" + headers +
           "Content-Type: application/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A client on the stub's calendar.
std::unique_ptr<CalDavClient> clientOn(const StubHttpServer& stub) {
    auto client =
        std::make_unique<CalDavClient>(CalDavAccount{stub.url(), QStringLiteral("alice"), QStringLiteral("secret")});
    client->setCalendar(stub.url(QStringLiteral("/alice/tasks/")));
    return client;
}

// Rows are named in test listings by their name, not by their bytes (pointers that change from run to run).
const auto byName = [](const auto& info) { return std::string(info.param.name); };

enum class Call { Fetch, Put, Remove };
struct BadAnswer {
    const char* name;
    Call call;
    QByteArray answer;
    CalDavOutcome outcome;
    qsizetype requests = 1;
    friend void PrintTo(const BadAnswer& row, std::ostream* out) { *out << row.name; }
};

class CalDavBadAnswerTest : public ::testing::TestWithParam<BadAnswer> {};

// Nothing is asked again within one call (a wrong password above all), save that Qt resends once by itself over a
// connection closed unanswered. One write the server turns down holds up only that task, and says why.
TEST_P(CalDavBadAnswerTest, IsSortedIntoWhatTheSyncDoesNext) {
    const BadAnswer& bad = GetParam();
    StubHttpServer stub(bad.answer);
    const auto client = clientOn(stub);
    const QString href = client->hrefFor(QStringLiteral("t1"));
    Fetched got;
    if (bad.call == Call::Fetch)
        got = fetchChanges(*client, "token");
    else
        got.result = bad.call == Call::Put ? put(*client, href, task("t1", "Milk"), std::nullopt).result
                                           : remove(*client, href, "\"e1\"");
    EXPECT_EQ(got.result.outcome, bad.outcome) << got.result;
    EXPECT_TRUE(got.changes.changed.isEmpty());
    EXPECT_EQ(stub.requests().size(), bad.requests);
    const QString statusLine = QString::fromLatin1(bad.answer.mid(9, bad.answer.indexOf('\r') - 9));
    EXPECT_TRUE(got.result.outcome != CalDavOutcome::ItemRefused || got.result.detail == statusLine) << got.result;
}

// The password is wrong only on 401.
INSTANTIATE_TEST_SUITE_P(
    CalDav, CalDavBadAnswerTest,
    ::testing::Values(
        BadAnswer{"WrongPassword", Call::Fetch,
                  answer("401 Unauthorized", {}, "WWW-Authenticate: Basic realm=\"tasks\"\r\n"),
                  CalDavOutcome::WrongCredentials},
        BadAnswer{"ServerError", Call::Fetch, answer("503 Service Unavailable", {}), CalDavOutcome::RetryLater},
        BadAnswer{"HangsUpUnanswered", Call::Fetch, {}, CalDavOutcome::RetryLater, 2},
        BadAnswer{"CutShortXml", Call::Fetch, answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"><response>"),
                  CalDavOutcome::Malformed},
        BadAnswer{"CalendarForbidden", Call::Fetch, answer("403 Forbidden", {}), CalDavOutcome::Refused},
        BadAnswer{"TooLarge", Call::Put, answer("413 Request Entity Too Large", {}), CalDavOutcome::ItemRefused},
        BadAnswer{"NotTaken", Call::Put, answer("415 Unsupported Media Type", {}), CalDavOutcome::ItemRefused},
        BadAnswer{"RemovalForbidden", Call::Remove, answer("403 Forbidden", {}), CalDavOutcome::ItemRefused},
        BadAnswer{"WriteWithAWrongPassword", Call::Put, answer("401 Unauthorized", {}),
                  CalDavOutcome::WrongCredentials},
        BadAnswer{"ChangedMeanwhile", Call::Remove, answer("412 Precondition Failed", {}),
                  CalDavOutcome::PreconditionFailed}),
    byName);

QByteArray multistatus(const QByteArray& responses, const QByteArray& token = {}) {
    return answer("207 Multi-Status",
                  "<multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">" + responses +
                      (token.isEmpty() ? QByteArray() : "<sync-token>" + token + "</sync-token>") + "</multistatus>");
}
QByteArray propstat(const QByteArray& properties, const char* status = "200 OK") {
    return "<propstat><prop>" + properties + "</prop><status>HTTP/1.1 " + status + "</status></propstat>";
}
QByteArray response(const QByteArray& href, const QByteArray& propstats) {
    return "<response><href>" + href + "</href>" + propstats + "</response>";
}
// A task with its data, or with its data answered 404 as some servers do for what they could not read.
QByteArray taskResponse(const char* uid, bool withData = true) {
    const QByteArray data = "<C:calendar-data>" + task(uid, uid) + "</C:calendar-data>";
    return response(QByteArray("/alice/tasks/") + uid + ".ics",
                    propstat(QByteArray("<getetag>\"") + uid + "\"</getetag>" + (withData ? data : QByteArray())) +
                        (withData ? QByteArray() : propstat(data, "404 Not Found")));
}
QByteArray calendarState(bool syncCollection) {
    return multistatus(response(
        "/alice/tasks/",
        propstat("<sync-token>t2</sync-token><supported-report-set>" +
                 QByteArray(syncCollection ? "<supported-report><report><sync-collection/></report></supported-report>"
                                           : "") +
                 "</supported-report-set>")));
}
QStringList hrefsOf(const CalDavChanges& changes) {
    QStringList hrefs;
    for (const CalDavTask& changed : changes.changed)
        hrefs.append(changed.href);
    return hrefs;
}

// A listing may leave a task's data out, or be cut short; a task it does not show must not pass for removed.
struct PartialListing {
    const char* name;
    QByteArrayList answers;
    QStringList hrefs;
    bool full;
    friend void PrintTo(const PartialListing& row, std::ostream* out) { *out << row.name; }
};
class CalDavPartialListingTest : public ::testing::TestWithParam<PartialListing> {};
TEST_P(CalDavPartialListingTest, IsCompletedOrNotTakenAsFull) {
    StubHttpServer stub(GetParam().answers);
    const Fetched fetched = fetchChanges(*clientOn(stub), {});
    ASSERT_TRUE(fetched.result.ok()) << fetched.result;
    EXPECT_EQ(hrefsOf(fetched.changes), GetParam().hrefs);
    EXPECT_EQ(fetched.changes.wasFullListing, GetParam().full);
    EXPECT_TRUE(fetched.changes.wasFullListing || fetched.changes.newToken.isEmpty())
        << "the next sync must list everything again";
}
const QString taskA = QStringLiteral("/alice/tasks/a.ics");
const QString taskB = QStringLiteral("/alice/tasks/b.ics");
INSTANTIATE_TEST_SUITE_P(
    CalDav, CalDavPartialListingTest,
    ::testing::Values(
        PartialListing{"DataLeftOutIsFetchedByItself",
                       {calendarState(false), multistatus(taskResponse("a") + taskResponse("b", false)),
                        multistatus(taskResponse("b"))},
                       {taskA, taskB},
                       true},
        PartialListing{"DataNeverSentLeavesTheListingIncomplete",
                       {calendarState(false), multistatus(taskResponse("a") + taskResponse("b", false)),
                        multistatus(taskResponse("b", false))},
                       {taskA},
                       false},
        PartialListing{"TruncatedChangesGiveWayToAFullListing",
                       {calendarState(true),
                        multistatus(taskResponse("a") +
                                        response("/alice/tasks/", "<status>HTTP/1.1 507 Insufficient Storage</status>"),
                                    "page-1"),
                        multistatus(taskResponse("a") + taskResponse("b"))},
                       {taskA, taskB},
                       true},
        PartialListing{"ChangesWithoutTheirDataGiveWayToAFullListing",
                       {calendarState(true),
                        multistatus(response("/alice/tasks/a.ics", propstat("<getetag>\"a\"</getetag>")), "t3"),
                        multistatus(taskResponse("a"))},
                       {taskA},
                       true}),
    byName);

// A calendar shared read-only, even one named Redizado, is passed over for one the user may write to.
TEST(CalDavDiscoveryTest, PicksACalendarTheUserMayWriteTo) {
    const QByteArray tasksOnly = "<C:supported-calendar-component-set><C:comp name=\"VTODO\"/>"
                                 "</C:supported-calendar-component-set><resourcetype><collection/><C:calendar/>"
                                 "</resourcetype>";
    const auto privileges = [](const QByteArray& names) {
        return "<current-user-privilege-set><privilege><read/></privilege>" + names + "</current-user-privilege-set>";
    };
    StubHttpServer stub(multistatus(
        response("/alice/", propstat("<resourcetype><collection/></resourcetype><C:calendar-home-set><href>/alice/"
                                     "</href></C:calendar-home-set>")) +
        response("/alice/shared/", propstat(tasksOnly + "<displayname>Redizado</displayname>" + privileges({}))) +
        response("/alice/work/", propstat(tasksOnly + privileges("<privilege><write-content/></privilege>")))));
    CalDavClient client({stub.url(QStringLiteral("/alice/")), QStringLiteral("alice"), QStringLiteral("secret")});
    const Discovered found = discover(client);
    ASSERT_TRUE(found.result.ok()) << found.result;
    EXPECT_EQ(found.calendar, stub.url(QStringLiteral("/alice/work/")));
}

// A principal the server will not show is what the user is told of, not a reason to start over at the address.
TEST(CalDavDiscoveryTest, APrincipalThatFailsIsReportedAsItself) {
    const QByteArray namesPrincipal = multistatus(response(
        "/dav/", propstat("<current-user-principal><href>/principals/alice/</href></current-user-principal>")));
    StubHttpServer stub(QByteArrayList{namesPrincipal, answer("404 Not Found", {}), namesPrincipal});
    CalDavClient client({stub.url(QStringLiteral("/dav/")), QStringLiteral("alice"), QStringLiteral("secret")});
    const Discovered found = discover(client);
    EXPECT_TRUE(found.result.detail.contains(QStringLiteral("/principals/alice/"))) << found.result;
    EXPECT_EQ(stub.requests().size(), 2);
}

TEST(CalDavSafetyTest, PlainHttpToAnotherMachineIsRefusedUnsent) {
    CalDavClient client(
        {QUrl(QStringLiteral("http://tasks.example.invalid/")), QStringLiteral("alice"), QStringLiteral("secret")});
    EXPECT_EQ(discover(client).result.outcome, CalDavOutcome::Refused);
}

TEST(CalDavSafetyTest, ARedirectToAnotherServerIsRefusedAndSendsItNoPassword) {
    StubHttpServer elsewhere(answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"/>"));
    StubHttpServer server(answer("301 Moved Permanently", {}, "Location: " + elsewhere.url().toEncoded() + "\r\n"));
    CalDavClient client(
        {server.url(QStringLiteral("/alice/tasks/")), QStringLiteral("alice"), QStringLiteral("secret")});
    EXPECT_EQ(discover(client).result.outcome, CalDavOutcome::Refused);
    EXPECT_TRUE(elsewhere.requests().isEmpty());
}

} // namespace
