// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalDavClient.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <optional>

struct Discovered {
    CalDavResult result;
    QUrl calendar;
};
struct Fetched {
    CalDavResult result;
    CalDavChanges changes;
};
struct Written {
    CalDavResult result;
    QByteArray etag;
};

// Makes the call, runs the event loop until its callback answers, and checks that it answers once only.
template <typename Answer, typename Call> Answer await(Call call) {
    std::optional<Answer> answer;
    int answers = 0;
    call([&](const auto&... values) {
        answer.emplace(Answer{values...});
        ++answers;
    });
    EXPECT_TRUE(waitUntil([&] { return answer.has_value(); }, 20000)) << "no answer";
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 1);
    return answer.value_or(Answer{});
}

inline Discovered discover(CalDavClient& client) {
    return await<Discovered>([&](auto done) { client.discover(done); });
}
inline Fetched fetchChanges(CalDavClient& client, const QByteArray& token) {
    return await<Fetched>([&](auto done) { client.fetchChanges(token, done); });
}
inline Written put(CalDavClient& client, const QString& href, const QByteArray& text,
                   const std::optional<QByteArray>& ifMatch) {
    return await<Written>([&](auto done) { client.put(href, text, ifMatch, done); });
}
inline CalDavResult remove(CalDavClient& client, const QString& href, const QByteArray& ifMatch) {
    return await<CalDavResult>([&](auto done) { client.remove(href, ifMatch, done); });
}

inline QByteArray task(const char* uid, const char* summary) {
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Redizado tests//EN\r\nBEGIN:VTODO\r\nUID:") + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:" + summary +
           "\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

inline std::ostream& operator<<(std::ostream& out, const CalDavResult& result) {
    return out << int(result.outcome) << " " << result.detail.toStdString();
}
