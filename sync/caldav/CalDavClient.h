// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class DavTransport;

struct CalDavAccount {
    // A server's address or a calendar's. HTTPS; plain HTTP is refused, without a byte sent, unless the host is a
    // loopback address or allowPlainHttp is set (only on the user's explicit say-so: it sends the password in clear).
    QUrl address;
    QString user;
    QString password;
    bool allowPlainHttp = false;
};

// What the sync does next after an answer.
enum class CalDavOutcome {
    Ok,
    WrongCredentials,   // 401: tell the user once; retrying will not help
    PreconditionFailed, // 412: the task changed on the server; fetch, merge, try again
    ItemRefused,        // a write of one task turned down (403, 400, 413, ...): keep it here, say why, sync the rest
    RetryLater,         // server error, torn connection, timeout, server not reachable: try again with back-off
    Malformed,          // an answer we cannot read: leave the local list as it is
    Refused,            // not sent or turned down for good: plain HTTP, another host, untrusted certificate, other 4xx
};

struct CalDavResult {
    CalDavOutcome outcome = CalDavOutcome::Ok;
    QString detail; // for the log: the URL and what went wrong

    bool ok() const { return outcome == CalDavOutcome::Ok; }
};

// A task as the server holds it: its path on the server, its ETag and its VCALENDAR text.
struct CalDavTask {
    QString href;
    QByteArray etag;
    QByteArray icalendar;
};

struct CalDavChanges {
    QList<CalDavTask> changed;
    QStringList removed;
    QByteArray newToken;
    // Every task on the server, each with its data, not only what changed since the token: what the caller has and
    // this lacks was removed, and tasks whose ETag it already knows are unchanged. Never set for a listing the server
    // cut short or left a task's data out of.
    bool wasFullListing = false;
};

// Talks CalDAV to one account, asynchronously: each call returns at once and answers its callback exactly once, on
// this thread, with the outcome. Callbacks of requests still under way when the client is destroyed are dropped.
// The password goes only to the account's own server (scheme, host and port); a redirect elsewhere is refused.
class CalDavClient final : public QObject {
    Q_OBJECT

public:
    explicit CalDavClient(const CalDavAccount& account, QObject* parent = nullptr);
    ~CalDavClient() override;

    // The calendar the other calls work on: set by discover, or from a URL the caller kept.
    void setCalendar(const QUrl& calendar);
    QUrl calendar() const { return m_calendar; }
    // How long a request may go without a byte from the server before it counts as torn (30 s by default).
    void setTimeout(std::chrono::milliseconds timeout);
    // Requests sent so far: a sync with nothing to do costs one.
    int requestsSent() const;
    // The path a new task with this UID gets in the calendar.
    QString hrefFor(const QString& uid) const;

    // Finds the calendar for tasks: the address itself when it is a calendar that holds VTODOs, else one under the
    // user's calendar home (/.well-known/caldav, current-user-principal, calendar-home-set), the one named
    // "Redizado" first; when none holds VTODOs, makes one named "Redizado". Only a calendar the user may write to
    // counts (one whose privileges the server does not say is taken as writable). Answers its URL and sets it.
    void discover(std::function<void(const CalDavResult&, const QUrl& calendar)> done);
    // The tasks changed and removed since syncToken (empty: all of them), by sync-collection where the calendar
    // offers it; else, or when the server no longer knows the token, a full listing.
    void fetchChanges(const QByteArray& syncToken,
                      std::function<void(const CalDavResult&, const CalDavChanges& changes)> done);
    // Writes a task: over the one with ETag ifMatch, or, without it, only where no task is yet. Answers the new
    // ETag, empty when the server gives none (then fetch the task to learn it). A task the server turns down (too
    // large, not allowed, not taken) answers ItemRefused with the server's status and words in detail.
    void put(const QString& href, const QByteArray& icalendar, const std::optional<QByteArray>& ifMatch,
             std::function<void(const CalDavResult&, const QByteArray& etag)> done);
    // Removes a task if its ETag is still ifMatch. A task already gone counts as removed; one the server will not
    // remove answers ItemRefused.
    void remove(const QString& href, const QByteArray& ifMatch, std::function<void(const CalDavResult&)> done);

private:
    void listAll(const QByteArray& token, std::function<void(const CalDavResult&, const CalDavChanges&)> done);
    // Asks for the tasks a listing named without their data; a listing still lacking some is not full.
    void fetchMissing(QStringList missing, CalDavChanges listed,
                      std::function<void(const CalDavResult&, const CalDavChanges&)> done);
    QUrl urlOf(const QString& href) const;

    std::unique_ptr<DavTransport> m_transport;
    QUrl m_calendar;
};
