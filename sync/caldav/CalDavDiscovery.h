// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalDavClient.h"

#include <QUrl>

#include <functional>
#include <memory>

class DavTransport;
struct DavReply;

// Walks from the account's address to the calendar for tasks, one request at a time, making that calendar when the
// user has none. Lives as long as its pending request: a client destroyed mid-way drops it with the request.
class CalDavDiscovery final : public std::enable_shared_from_this<CalDavDiscovery> {
public:
    using Done = std::function<void(const CalDavResult&, const QUrl& calendar)>;

    static void start(DavTransport& transport, Done done);

private:
    CalDavDiscovery(DavTransport& transport, Done done) : m_transport(transport), m_done(std::move(done)) {}
    void probe(const QUrl& url, bool wellKnown);
    void probed(const QUrl& url, bool wellKnown, const DavReply& reply);
    void listHome(const QUrl& home);
    void listed(const QUrl& home, const DavReply& reply);
    void makeCalendar(const QUrl& home);

    DavTransport& m_transport;
    Done m_done;
    bool m_principalAsked = false;
};
