// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavAnswers.h"
#include "CalDavClient.h"

#include <QByteArrayList>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A web server on 127.0.0.1 that gives canned answers (nothing at all: it hangs up) and keeps what it was sent, for
// the answers a well-behaved CalDAV server does not give. With several answers, each request takes the next one and
// the last is given from then on.
class StubHttpServer {
public:
    explicit StubHttpServer(QByteArrayList answers) : m_answers(std::move(answers)) {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
            }
        });
    }

    QUrl url(const QString& path = QStringLiteral("/")) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    // The head of each request taken: its request line and headers.
    const QByteArrayList& requests() const { return m_requests; }

private:
    // Answers once the whole request is in; till then what came stays in the socket.
    void read(QTcpSocket* socket) {
        const QByteArray pending = socket->peek(socket->bytesAvailable());
        const qsizetype headEnd = pending.indexOf("\r\n\r\n");
        const QByteArray head = pending.left(std::max<qsizetype>(headEnd, 0));
        const qsizetype lengthAt = head.toLower().indexOf("content-length:");
        const qsizetype length = lengthAt < 0 ? 0 : head.mid(lengthAt + 15).split('\r').first().trimmed().toLongLong();
        if (headEnd < 0 || pending.size() < headEnd + 4 + length)
            return;
        m_requests.append(head);
        socket->skip(socket->bytesAvailable());
        socket->write(m_answers.at(std::min(m_requests.size(), m_answers.size()) - 1));
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArrayList m_answers;
    QByteArrayList m_requests;
};

QByteArray answer(const char* statusLine, const QByteArray& body, const QByteArray& headers = {}) {
    return QByteArray("HTTP/1.1 ") + statusLine + "\r\n" + headers +
           "Content-Type: application/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A client for the address, on the stub's calendar when given none.
std::unique_ptr<CalDavClient> clientOn(const StubHttpServer& stub, const QUrl& address = {}) {
    auto client = std::make_unique<CalDavClient>(
        CalDavAccount{address.isEmpty() ? stub.url() : address, QStringLiteral("alice"), QStringLiteral("secret")});
    if (address.isEmpty())
        client->setCalendar(stub.url(QStringLiteral("/alice/tasks/")));
    return client;
}

enum class Call { Fetch, Put, Remove };

// Nothing is asked again within one call (a wrong password above all), save that Qt resends once by itself over a
// connection closed unanswered. One write the server turns down holds up only that task, and says why. The password
// is wrong only on 401.
TEST(CalDavBadAnswerTest, IsSortedIntoWhatTheSyncDoesNext) {
    for (const auto& [call, bad, outcome, requests] : std::vector<std::tuple<Call, QByteArray, CalDavOutcome, int>>{
             {Call::Fetch, answer("401 Unauthorized", {}, "WWW-Authenticate: Basic realm=\"tasks\"\r\n"),
              CalDavOutcome::WrongCredentials, 1},
             {Call::Fetch, answer("503 Service Unavailable", {}), CalDavOutcome::RetryLater, 1},
             {Call::Fetch, {}, CalDavOutcome::RetryLater, 2}, // hangs up unanswered
             {Call::Fetch, answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"><response>"),
              CalDavOutcome::Malformed, 1},
             {Call::Fetch, answer("403 Forbidden", {}), CalDavOutcome::Refused, 1},
             {Call::Put, answer("413 Request Entity Too Large", {}), CalDavOutcome::ItemRefused, 1},
             {Call::Put, answer("415 Unsupported Media Type", {}), CalDavOutcome::ItemRefused, 1},
             {Call::Remove, answer("403 Forbidden", {}), CalDavOutcome::ItemRefused, 1},
             {Call::Put, answer("401 Unauthorized", {}), CalDavOutcome::WrongCredentials, 1},
             {Call::Remove, answer("412 Precondition Failed", {}), CalDavOutcome::PreconditionFailed, 1}}) {
        const QString statusLine = QString::fromLatin1(bad.mid(9, bad.indexOf('\r') - 9));
        SCOPED_TRACE(std::to_string(int(call)) + " answered " + statusLine.toStdString());
        StubHttpServer stub({bad});
        const auto client = clientOn(stub);
        const QString href = client->hrefFor(QStringLiteral("t1"));
        Fetched got;
        if (call == Call::Fetch)
            got = fetchChanges(*client, "token");
        else
            got.result = call == Call::Put ? put(*client, href, task("t1", "Milk"), std::nullopt).result
                                           : remove(*client, href, "\"e1\"");
        EXPECT_EQ(got.result.outcome, outcome) << got.result;
        EXPECT_TRUE(got.changes.changed.isEmpty());
        EXPECT_EQ(stub.requests().size(), requests);
        // Some servers read a body only by its type, and answer 415 to a listing sent untyped.
        EXPECT_TRUE(call != Call::Fetch ||
                    stub.requests()[0].contains("\r\nContent-Type: application/xml; charset=utf-8"))
            << stub.requests()[0].toStdString();
        EXPECT_TRUE(got.result.outcome != CalDavOutcome::ItemRefused || got.result.detail == statusLine) << got.result;
    }
}

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
// A listing may leave a task's data out, or be cut short; a task it does not show must not pass for removed.
TEST(CalDavPartialListingTest, IsCompletedOrNotTakenAsFull) {
    const QString taskA = QStringLiteral("/alice/tasks/a.ics"), taskB = QStringLiteral("/alice/tasks/b.ics");
    for (const auto& [name, answers, hrefs, full] :
         std::vector<std::tuple<const char*, QByteArrayList, QStringList, bool>>{
             {"data left out is fetched by itself",
              {calendarState(false), multistatus(taskResponse("a") + taskResponse("b", false)),
               multistatus(taskResponse("b"))},
              {taskA, taskB},
              true},
             {"data never sent leaves the listing incomplete",
              {calendarState(false), multistatus(taskResponse("a") + taskResponse("b", false)),
               multistatus(taskResponse("b", false))},
              {taskA},
              false},
             {"truncated changes give way to a full listing",
              {calendarState(true),
               multistatus(taskResponse("a") +
                               response("/alice/tasks/", "<status>HTTP/1.1 507 Insufficient Storage</status>"),
                           "page-1"),
               multistatus(taskResponse("a") + taskResponse("b"))},
              {taskA, taskB},
              true},
             {"what is not a task is passed over",
              {calendarState(false),
               multistatus(taskResponse("a") + "<responsedescription>two</responsedescription>" + taskResponse("b"))},
              {taskA, taskB},
              true},
             {"changes without their data give way to a full listing",
              {calendarState(true),
               multistatus(response("/alice/tasks/a.ics", propstat("<getetag>\"a\"</getetag>")), "t3"),
               multistatus(taskResponse("a"))},
              {taskA},
              true}}) {
        SCOPED_TRACE(name);
        StubHttpServer stub(answers);
        testing::internal::CaptureStderr();
        const Fetched fetched = fetchChanges(*clientOn(stub), {});
        const std::string logged = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(fetched.result.ok()) << fetched.result;
        EXPECT_TRUE(full || logged.find("(" + taskB.toStdString() + ")") != std::string::npos)
            << "the log names the task left unread: " << logged;
        QStringList got;
        for (const CalDavTask& changed : fetched.changes.changed)
            got.append(changed.href);
        EXPECT_EQ(got, hrefs);
        EXPECT_EQ(fetched.changes.wasFullListing, full);
        EXPECT_TRUE(fetched.changes.wasFullListing || fetched.changes.newToken.isEmpty())
            << "the next sync must list everything again";
    }
    // The data asked for again comes back unreadable: the fetch still ends, and leaves the list alone.
    StubHttpServer stub({calendarState(false), multistatus(taskResponse("a") + taskResponse("b", false)),
                         answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"><response>")});
    EXPECT_EQ(fetchChanges(*clientOn(stub), {}).result.outcome, CalDavOutcome::Malformed);
}

// A calendar shared read-only, even one named Redizado, is passed over for one the user may write to.
TEST(CalDavDiscoveryTest, PicksACalendarTheUserMayWriteTo) {
    const QByteArray tasksOnly = "<C:supported-calendar-component-set><C:comp name=\"VTODO\"/>"
                                 "</C:supported-calendar-component-set><resourcetype><collection/><C:calendar/>"
                                 "</resourcetype>";
    const auto privileges = [](const QByteArray& names) {
        return "<current-user-privilege-set><privilege><read/></privilege>" + names + "</current-user-privilege-set>";
    };
    StubHttpServer stub({multistatus(
        response("/alice/", propstat("<resourcetype><collection/></resourcetype><C:calendar-home-set><href>/alice/"
                                     "</href></C:calendar-home-set>")) +
        response("/alice/shared/", propstat(tasksOnly + "<displayname>Redizado</displayname>" + privileges({}))) +
        response("/alice/work/", propstat(tasksOnly + privileges("<privilege><write-content/></privilege>"))))});
    const Discovered found = discover(*clientOn(stub, stub.url(QStringLiteral("/alice/"))));
    ASSERT_TRUE(found.result.ok()) << found.result;
    EXPECT_EQ(found.calendar, stub.url(QStringLiteral("/alice/work/")));
}

// A principal the server will not show is what the user is told of, not a reason to start over at the address.
TEST(CalDavDiscoveryTest, APrincipalThatFailsIsReportedAsItself) {
    const QByteArray namesPrincipal = multistatus(response(
        "/dav/", propstat("<current-user-principal><href>/principals/alice/</href></current-user-principal>")));
    StubHttpServer stub({namesPrincipal, answer("404 Not Found", {}), namesPrincipal});
    const Discovered found = discover(*clientOn(stub, stub.url(QStringLiteral("/dav/"))));
    EXPECT_TRUE(found.result.detail.contains(QStringLiteral("/principals/alice/"))) << found.result;
    EXPECT_EQ(stub.requests().size(), 2);
}

// Plain HTTP to another machine, and a redirect to another server, which is sent no password.
TEST(CalDavSafetyTest, PlainHttpElsewhereOrARedirectToAnotherServerIsRefused) {
    StubHttpServer elsewhere({answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"/>")});
    StubHttpServer server({answer("301 Moved Permanently", {}, "Location: " + elsewhere.url().toEncoded() + "\r\n")});
    for (const QUrl& address :
         {QUrl(QStringLiteral("http://tasks.example.invalid/")), server.url(QStringLiteral("/alice/tasks/"))})
        EXPECT_EQ(discover(*clientOn(server, address)).result.outcome, CalDavOutcome::Refused)
            << address.toString().toStdString();
    EXPECT_TRUE(elsewhere.requests().isEmpty());
}

} // namespace
