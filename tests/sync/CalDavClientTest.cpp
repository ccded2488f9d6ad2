// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavClient.h"
#include "CalDavAnswers.h"
#include "RadicaleServer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CalDavClientTest : public RadicaleTest {
protected:
    std::unique_ptr<CalDavClient> clientAt(const QString& path) {
        return std::make_unique<CalDavClient>(CalDavAccount{server.url(path), user, password});
    }
    void makeCalendar(const QString& path, const char* name, const char* component) {
        const QByteArray body = QByteArray("<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                                           "<d:set><d:prop><d:displayname>") +
                                name + "</d:displayname><c:supported-calendar-component-set><c:comp name=\"" +
                                component + "\"/></c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
        ASSERT_EQ(server.send("MKCALENDAR", path, user, password, body), 201);
    }
};

// An address that is itself a task calendar is kept; an events calendar gives way to the task calendar by it, and
// among several the one named Redizado is taken.
TEST_F(CalDavClientTest, FromACalendarAddressFindsTheTaskCalendarPreferringRedizado) {
    makeCalendar(QStringLiteral("/alice/a-work/"), "Work", "VTODO");
    EXPECT_EQ(discover(*clientAt(QStringLiteral("/alice/a-work/"))).calendar,
              server.url(QStringLiteral("/alice/a-work/")));
    makeCalendar(QStringLiteral("/alice/b-ours/"), "Redizado", "VTODO");
    makeCalendar(QStringLiteral("/alice/events/"), "Events", "VEVENT");
    const Discovered found = discover(*clientAt(QStringLiteral("/alice/events/")));
    ASSERT_TRUE(found.result.ok()) << found.result;
    EXPECT_EQ(found.calendar, server.url(QStringLiteral("/alice/b-ours/")));
}

// A new task goes only where none is; a write or removal over a version the client does not know fails its
// precondition, as when another client changed the task. Changes since a token are left to the whole-sync tests; one
// the server no longer knows gets a full listing. A server that hangs times out, to try again later.
TEST_F(CalDavClientTest, WritesAndRemovesOnlyTheVersionItKnowsAndListsAllForAForgottenToken) {
    auto client = clientAt(QStringLiteral("/")); // on the task calendar found from the server's root
    ASSERT_TRUE(discover(*client).result.ok());
    const QString href = client->hrefFor(QStringLiteral("t1"));
    const Written first = put(*client, href, task("t1", "Milk"), std::nullopt);
    ASSERT_TRUE(first.result.ok()) << first.result;
    EXPECT_EQ(put(*client, href, task("t1", "Bread"), std::nullopt).result.outcome, CalDavOutcome::PreconditionFailed);
    const Written second = put(*client, href, task("t1", "Oat milk"), first.etag);
    ASSERT_TRUE(second.result.ok()) << second.result;
    EXPECT_EQ(remove(*client, href, first.etag).outcome, CalDavOutcome::PreconditionFailed);

    const Fetched forgotten = fetchChanges(*client, "http://radicale.org/ns/sync/0000");
    ASSERT_TRUE(forgotten.result.ok()) << forgotten.result;
    EXPECT_TRUE(forgotten.changes.wasFullListing);
    EXPECT_EQ(forgotten.changes.changed.size(), 1);
    EXPECT_FALSE(forgotten.changes.newToken.isEmpty());

    EXPECT_TRUE(remove(*client, href, second.etag).ok());
    EXPECT_TRUE(remove(*client, href, second.etag).ok()) << "a task already gone counts as removed";
    client->setTimeout(std::chrono::milliseconds(300));
    server.pause();
    EXPECT_EQ(fetchChanges(*client, {}).result.outcome, CalDavOutcome::RetryLater);
}

} // namespace
