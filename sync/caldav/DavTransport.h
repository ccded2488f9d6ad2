// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalDavClient.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>

#include <chrono>
#include <functional>
#include <utility>

class QNetworkReply;

struct DavReply {
    CalDavResult result;
    int status = 0; // the HTTP status; 0 when no answer came
    QString reason; // the server's words for the status ("Request Entity Too Large")
    QByteArray body;
    QByteArray etag;
};

// Sends one WebDAV request to the account's server and sorts the answer into an outcome. Credentials go with every
// request, so no request is made twice for them; redirects are followed here, with the same method and body, and
// only within the account's server.
class DavTransport final : public QObject {
    Q_OBJECT

public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    explicit DavTransport(const CalDavAccount& account, QObject* parent = nullptr);
    ~DavTransport() override;

    const QUrl& address() const { return m_account.address; }
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Requests sent, redirects followed included.
    int requestsSent() const { return m_requestsSent; }
    void send(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body,
              std::function<void(const DavReply&)> done);

private:
    void send(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body,
              int redirectsLeft, std::function<void(const DavReply&)> done);
    void finished(QNetworkReply* reply, const QByteArray& method, const Headers& headers, const QByteArray& body,
                  int redirectsLeft, const std::function<void(const DavReply&)>& done);
    bool mayReach(const QUrl& url, QString& why) const;

    CalDavAccount m_account;
    QNetworkAccessManager m_network;
    std::chrono::milliseconds m_timeout{30000};
    int m_requestsSent = 0;
};
