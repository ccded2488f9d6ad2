// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalDavDiscovery.h"

#include "DavTransport.h"
#include "Multistatus.h"

#include <QCoreApplication>
#include <QUuid>

namespace {

const QByteArray properties = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:prop>
<d:resourcetype/><d:displayname/><c:supported-calendar-component-set/>
<d:current-user-principal/><c:calendar-home-set/><d:current-user-privilege-set/>
</d:prop></d:propfind>)";

const QByteArray newCalendar = R"(<?xml version="1.0" encoding="utf-8"?>
<c:mkcalendar xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:set><d:prop>
<d:displayname>Redizado</d:displayname>
<c:supported-calendar-component-set><c:comp name="VTODO"/></c:supported-calendar-component-set>
</d:prop></d:set></c:mkcalendar>)";

bool holdsTasks(const DavResource& resource) {
    const DavProperty* type = resource.property(davName("resourcetype"));
    if (!type || !type->elements.contains(calDavName("calendar")))
        return false;
    // A calendar that does not say which components it takes takes them all.
    const DavProperty* components = resource.property(calDavName("supported-calendar-component-set"));
    return !components || components->components.contains(QStringLiteral("VTODO"), Qt::CaseInsensitive);
}

// A calendar whose privileges the server does not tell is taken as writable: the first write would say otherwise.
bool mayWrite(const DavResource& resource) {
    const DavProperty* privileges = resource.property(davName("current-user-privilege-set"));
    return !privileges || privileges->elements.contains(davName("write")) ||
           privileges->elements.contains(davName("write-content")) || privileges->elements.contains(davName("all"));
}

bool usable(const DavResource& resource) {
    return holdsTasks(resource) && mayWrite(resource);
}

QUrl firstHref(const DavResource& resource, const QString& property, const QUrl& base) {
    const DavProperty* found = resource.property(property);
    return found && !found->hrefs.isEmpty() ? base.resolved(QUrl(found->hrefs.first())) : QUrl();
}

QUrl asCollection(QUrl url) {
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}

} // namespace

void CalDavDiscovery::start(DavTransport& transport, Done done) {
    const std::shared_ptr<CalDavDiscovery> discovery(new CalDavDiscovery(transport, std::move(done)));
    const QUrl& address = transport.address();
    // Given only a server, ask where its calendars live.
    if (address.path().isEmpty() || address.path() == QLatin1StringView("/"))
        discovery->probe(address.resolved(QUrl(QStringLiteral("/.well-known/caldav"))), true);
    else
        discovery->probe(address, false);
}

void CalDavDiscovery::probe(const QUrl& url, bool wellKnown) {
    m_transport.send(
        "PROPFIND", url, {{"Depth", "0"}}, properties,
        [self = shared_from_this(), url, wellKnown](const DavReply& reply) { self->probed(url, wellKnown, reply); });
}

void CalDavDiscovery::probed(const QUrl& url, bool wellKnown, const DavReply& reply) {
    if (wellKnown && reply.result.outcome == CalDavOutcome::Refused && reply.status >= 400) {
        probe(m_transport.address(), false);
        return;
    }
    if (!reply.result.ok()) {
        m_done(reply.result, {});
        return;
    }
    const std::optional<Multistatus> answer = parseMultistatus(reply.body);
    if (!answer || answer->resources.isEmpty()) {
        m_done({CalDavOutcome::Malformed,
                QCoreApplication::translate("CalDavDiscovery", "%1: not a WebDAV answer").arg(url.toDisplayString())},
               {});
        return;
    }
    const DavResource& resource = answer->resources.first();
    if (usable(resource)) {
        m_done({}, asCollection(url));
        return;
    }
    if (const QUrl home = firstHref(resource, calDavName("calendar-home-set"), url); home.isValid()) {
        listHome(asCollection(home));
        return;
    }
    const QUrl principal = firstHref(resource, davName("current-user-principal"), url);
    if (principal.isValid() && !m_principalAsked) {
        m_principalAsked = true;
        probe(principal, false);
        return;
    }
    m_done({CalDavOutcome::Refused, QCoreApplication::translate("CalDavDiscovery", "%1: the server names no calendars")
                                        .arg(url.toDisplayString())},
           {});
}

void CalDavDiscovery::listHome(const QUrl& home) {
    m_transport.send("PROPFIND", home, {{"Depth", "1"}}, properties,
                     [self = shared_from_this(), home](const DavReply& reply) { self->listed(home, reply); });
}

void CalDavDiscovery::listed(const QUrl& home, const DavReply& reply) {
    if (!reply.result.ok()) {
        m_done(reply.result, {});
        return;
    }
    const std::optional<Multistatus> answer = parseMultistatus(reply.body);
    if (!answer) {
        m_done({CalDavOutcome::Malformed,
                QCoreApplication::translate("CalDavDiscovery", "%1: not a WebDAV answer").arg(home.toDisplayString())},
               {});
        return;
    }
    QUrl chosen;
    for (const DavResource& resource : answer->resources) {
        if (!usable(resource))
            continue;
        const DavProperty* name = resource.property(davName("displayname"));
        const bool ours = name && name->text.trimmed() == QLatin1StringView("Redizado");
        if (chosen.isEmpty() || ours)
            chosen = asCollection(home.resolved(QUrl(resource.href)));
        if (ours)
            break;
    }
    if (chosen.isEmpty())
        makeCalendar(home);
    else
        m_done({}, chosen);
}

void CalDavDiscovery::makeCalendar(const QUrl& home) {
    // A name of its own, so that it never lands on a collection someone else made.
    const QUrl calendar = home.resolved(QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('/')));
    m_transport.send("MKCALENDAR", calendar, {}, newCalendar,
                     [self = shared_from_this(), calendar](const DavReply& reply) {
                         self->m_done(reply.result, reply.result.ok() ? calendar : QUrl());
                     });
}
