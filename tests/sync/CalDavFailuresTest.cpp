// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavAnswers.h"
#include "CalDavClient.h"
#include "StubHttpServer.h"

#include <gtest/gtest.h>

namespace {

QByteArray answer(const char* statusLine, const QByteArray& body, const QByteArray& headers = {}) {
    return QByteArray("HTTP/1.1 ") + statusLine + "\r\n" + headers +
           "Content-Type: application/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

struct BadAnswer {
    const char* name;
    QByteArray answer;
    CalDavOutcome outcome;
    qsizetype requests = 1;
};

// Named in test listings by its name, not by its bytes (pointers that change from run to run).
void PrintTo(const BadAnswer& bad, std::ostream* out) {
    *out << bad.name;
}

class CalDavBadAnswerTest : public ::testing::TestWithParam<BadAnswer> {};

// Nothing is asked again within one call (a wrong password above all), save that Qt resends once by itself over a
// connection closed unanswered.
TEST_P(CalDavBadAnswerTest, IsSortedIntoWhatTheSyncDoesNext) {
    StubHttpServer stub(GetParam().answer);
    CalDavClient client({stub.url(), QStringLiteral("alice"), QStringLiteral("secret")});
    client.setCalendar(stub.url(QStringLiteral("/alice/tasks/")));
    const Fetched fetched = fetchChanges(client, "token");
    EXPECT_EQ(fetched.result.outcome, GetParam().outcome) << fetched.result;
    EXPECT_TRUE(fetched.changes.changed.isEmpty());
    EXPECT_EQ(stub.requests().size(), GetParam().requests);
}

INSTANTIATE_TEST_SUITE_P(
    CalDav, CalDavBadAnswerTest,
    ::testing::Values(BadAnswer{"WrongPassword",
                                answer("401 Unauthorized", {}, "WWW-Authenticate: Basic realm=\"tasks\"\r\n"),
                                CalDavOutcome::WrongCredentials},
                      BadAnswer{"ServerError", answer("503 Service Unavailable", {}), CalDavOutcome::RetryLater},
                      BadAnswer{"HangsUpUnanswered", {}, CalDavOutcome::RetryLater, 2},
                      BadAnswer{"CutShortXml", answer("207 Multi-Status", "<multistatus xmlns=\"DAV:\"><response>"),
                                CalDavOutcome::Malformed},
                      BadAnswer{"NotFound", answer("404 Not Found", {}), CalDavOutcome::Refused}),
    [](const ::testing::TestParamInfo<BadAnswer>& info) { return std::string(info.param.name); });

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
