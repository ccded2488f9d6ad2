// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavClient.h"

#include "CalDavDiscovery.h"
#include "DavTransport.h"
#include "LogCategories.h"
#include "Multistatus.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QByteArray syncState = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:supported-report-set/><d:sync-token/></d:prop></d:propfind>)";

const QByteArray allTasks = R"(<?xml version="1.0" encoding="utf-8"?>
<c:calendar-query xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
<d:prop><d:getetag/><c:calendar-data/></d:prop>
<c:filter><c:comp-filter name="VCALENDAR"><c:comp-filter name="VTODO"/></c:comp-filter></c:filter>
</c:calendar-query>)";

QByteArray changesSince(const QByteArray& token) {
    return R"(<?xml version="1.0" encoding="utf-8"?>
<d:sync-collection xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:sync-token>)" +
           QString::fromUtf8(token).toHtmlEscaped().toUtf8() + R"(</d:sync-token><d:sync-level>1</d:sync-level>
<d:prop><d:getetag/><c:calendar-data/></d:prop></d:sync-collection>)";
}

QByteArray tasksAt(const QStringList& hrefs) {
    QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<c:calendar-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:prop><d:getetag/><c:calendar-data/></d:prop>)";
    for (const QString& href : hrefs)
        body += "<d:href>" + href.toHtmlEscaped().toUtf8() + "</d:href>";
    return body + "</c:calendar-multiget>";
}

// Servers differ in what they percent-encode in an href ("@" or "%40"): one spelling, so a task keeps one href.
QString canonicalPath(const QUrl& url) {
    QStringList segments = url.path(QUrl::FullyEncoded).split(QLatin1Char('/'));
    for (QString& segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(QUrl::fromPercentEncoding(segment.toLatin1())));
    return segments.join(QLatin1Char('/'));
}

CalDavResult malformed(const QUrl& url) {
    //: %1 is the address that answered
    return {CalDavOutcome::Malformed,
            QCoreApplication::translate("CalDavClient", "%1: not a WebDAV answer").arg(url.toDisplayString())};
}

// The server's way to say it no longer knows a sync token (RFC 6578): start over from a full listing.
bool tokenForgotten(const DavReply& reply) {
    return (reply.status == 403 || reply.status == 409) && reply.body.contains("valid-sync-token");
}

// A write of one task that the server turned down for that task alone (too large, not a calendar object it takes, not
// allowed there): the others may still go. A wrong password, a lost precondition and "busy" mean something else.
CalDavResult forOneTask(const DavReply& reply) {
    // A 404 on a write means the calendar itself is gone.
    if (reply.status / 100 != 4 || reply.status == 401 || reply.status == 404 || reply.status == 408 ||
        reply.status == 412 || reply.status == 429)
        return reply.result;
    const QString words = reply.reason.isEmpty() ? QStringLiteral("HTTP %1").arg(reply.status)
                                                 : QStringLiteral("%1 %2").arg(reply.status).arg(reply.reason);
    return {CalDavOutcome::ItemRefused, words};
}

// RFC 6578: the collection itself answered 507 means the server sent only part of the changes.
bool truncated(const Multistatus& answer, const QString& collection,
               const std::function<QString(const QString&)>& path) {
    return std::any_of(answer.resources.cbegin(), answer.resources.cend(), [&](const DavResource& member) {
        return member.status == 507 && path(member.href) == collection;
    });
}

} // namespace

CalDavClient::CalDavClient(const CalDavAccount& account, QObject* parent)
    : QObject(parent), m_transport(std::make_unique<DavTransport>(account)) {}

CalDavClient::~CalDavClient() = default;

void CalDavClient::setCalendar(const QUrl& calendar) {
    m_calendar = calendar;
    if (!m_calendar.path().endsWith(QLatin1Char('/')))
        m_calendar.setPath(m_calendar.path() + QLatin1Char('/'));
}

void CalDavClient::setTimeout(std::chrono::milliseconds timeout) {
    m_transport->setTimeout(timeout);
}

int CalDavClient::requestsSent() const {
    return m_transport->requestsSent();
}

QString CalDavClient::hrefFor(const QString& uid) const {
    return canonicalPath(m_calendar) + QString::fromLatin1(QUrl::toPercentEncoding(uid)) + QStringLiteral(".ics");
}

QUrl CalDavClient::urlOf(const QString& href) const {
    return m_calendar.resolved(QUrl(href));
}

void CalDavClient::discover(std::function<void(const CalDavResult&, const QUrl&)> done) {
    CalDavDiscovery::start(*m_transport, [this, done = std::move(done)](const CalDavResult& result, const QUrl& url) {
        if (result.ok())
            setCalendar(url);
        done(result, m_calendar);
    });
}

void CalDavClient::fetchChanges(const QByteArray& syncToken,
                                std::function<void(const CalDavResult&, const CalDavChanges&)> done) {
    const QUrl calendar = m_calendar;
    m_transport->send("PROPFIND", calendar, {{"Depth", "0"}}, syncState, [=, this](const DavReply& state) {
        const std::optional<Multistatus> answer = state.result.ok() ? parseMultistatus(state.body) : std::nullopt;
        if (!state.result.ok() || !answer || answer->resources.isEmpty()) {
            done(state.result.ok() ? malformed(calendar) : state.result, {});
            return;
        }
        const DavResource& resource = answer->resources.first();
        const DavProperty* token = resource.property(davName("sync-token"));
        const QByteArray current = token ? token->text.trimmed().toUtf8() : QByteArray();
        const DavProperty* reports = resource.property(davName("supported-report-set"));
        if (!reports || !reports->elements.contains(davName("sync-collection"))) {
            listAll(current, done);
            return;
        }
        if (!syncToken.isEmpty() && syncToken == current) {
            done({}, {{}, {}, current, false});
            return;
        }
        m_transport->send("REPORT", calendar, {{"Depth", "1"}}, changesSince(syncToken),
                          [=, this](const DavReply& reply) {
                              if (tokenForgotten(reply)) {
                                  listAll(current, done);
                                  return;
                              }
                              const std::optional<Multistatus> changes =
                                  reply.result.ok() ? parseMultistatus(reply.body) : std::nullopt;
                              if (!reply.result.ok() || !changes) {
                                  done(reply.result.ok() ? malformed(calendar) : reply.result, {});
                                  return;
                              }
                              const auto path = [this](const QString& href) { return canonicalPath(urlOf(href)); };
                              if (truncated(*changes, canonicalPath(calendar), path)) {
                                  // A full listing rather than pages: it cannot leave a change out.
                                  listAll(current, done);
                                  return;
                              }
                              CalDavChanges found{{}, {}, changes->syncToken.toUtf8(), syncToken.isEmpty()};
                              for (const DavResource& member : changes->resources) {
                                  const QString href = canonicalPath(urlOf(member.href));
                                  if (href == canonicalPath(calendar))
                                      continue;
                                  if (member.status == 404) {
                                      found.removed.append(href);
                                      continue;
                                  }
                                  const DavProperty* etag = member.property(davName("getetag"));
                                  const DavProperty* data = member.property(calDavName("calendar-data"));
                                  if (!etag || !data) {
                                      // Some servers leave the text out of sync-collection answers; a listing always
                                      // has it.
                                      listAll(found.newToken, done);
                                      return;
                                  }
                                  found.changed.append({href, etag->text.trimmed().toUtf8(), data->text.toUtf8()});
                              }
                              done({}, found);
                          });
    });
}

void CalDavClient::listAll(const QByteArray& token,
                           std::function<void(const CalDavResult&, const CalDavChanges&)> done) {
    const QUrl calendar = m_calendar;
    m_transport->send("REPORT", calendar, {{"Depth", "1"}}, allTasks, [=, this](const DavReply& reply) {
        const std::optional<Multistatus> answer = reply.result.ok() ? parseMultistatus(reply.body) : std::nullopt;
        if (!reply.result.ok() || !answer) {
            done(reply.result.ok() ? malformed(calendar) : reply.result, {});
            return;
        }
        CalDavChanges all{{}, {}, token, true};
        QStringList missing;
        for (const DavResource& member : answer->resources) {
            const QString href = canonicalPath(urlOf(member.href));
            if (href == canonicalPath(calendar))
                continue;
            const DavProperty* etag = member.property(davName("getetag"));
            const DavProperty* data = member.property(calDavName("calendar-data"));
            if (etag && data)
                all.changed.append({href, etag->text.trimmed().toUtf8(), data->text.toUtf8()});
            else
                missing.append(href);
        }
        if (missing.isEmpty())
            done({}, all);
        else
            fetchMissing(missing, all, done);
    });
}

void CalDavClient::fetchMissing(QStringList missing, CalDavChanges listed,
                                std::function<void(const CalDavResult&, const CalDavChanges&)> done) {
    const QUrl calendar = m_calendar;
    m_transport->send("REPORT", calendar, {{"Depth", "1"}}, tasksAt(missing), [=, this](const DavReply& reply) mutable {
        const std::optional<Multistatus> answer = reply.result.ok() ? parseMultistatus(reply.body) : std::nullopt;
        if (!reply.result.ok() || !answer) {
            done(reply.result.ok() ? malformed(calendar) : reply.result, {});
            return;
        }
        for (const DavResource& member : answer->resources) {
            const QString href = canonicalPath(urlOf(member.href));
            const DavProperty* etag = member.property(davName("getetag"));
            const DavProperty* data = member.property(calDavName("calendar-data"));
            if (etag && data && missing.removeAll(href) > 0)
                listed.changed.append({href, etag->text.trimmed().toUtf8(), data->text.toUtf8()});
        }
        if (!missing.isEmpty()) {
            // What we could not read is not gone: nothing absent is taken as removed, and the next sync lists all
            // again.
            qCWarning(lcSync).noquote() << QStringLiteral("%1: the server sent no data for %2 tasks (%3); no task is "
                                                          "taken as removed until it does")
                                               .arg(calendar.toDisplayString())
                                               .arg(missing.size())
                                               .arg(missing.join(QStringLiteral(", ")));
            listed.wasFullListing = false;
            listed.newToken.clear();
        }
        done({}, listed);
    });
}

void CalDavClient::put(const QString& href, const QByteArray& icalendar, const std::optional<QByteArray>& ifMatch,
                       std::function<void(const CalDavResult&, const QByteArray&)> done) {
    DavTransport::Headers headers{{"Content-Type", "text/calendar; charset=utf-8"}};
    headers.append(ifMatch ? std::pair<QByteArray, QByteArray>("If-Match", *ifMatch)
                           : std::pair<QByteArray, QByteArray>("If-None-Match", "*"));
    m_transport->send("PUT", urlOf(href), headers, icalendar,
                      [done = std::move(done)](const DavReply& reply) { done(forOneTask(reply), reply.etag); });
}

void CalDavClient::remove(const QString& href, const QByteArray& ifMatch,
                          std::function<void(const CalDavResult&)> done) {
    m_transport->send("DELETE", urlOf(href), {{"If-Match", ifMatch}}, {},
                      [done = std::move(done)](const DavReply& reply) {
                          done(reply.status == 404 ? CalDavResult{} : forOneTask(reply));
                      });
}
