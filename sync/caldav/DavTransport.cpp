// SPDX-License-Identifier: GPL-3.0-or-later
#include "DavTransport.h"
#include "LoopbackHost.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

bool sameServer(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1StringView("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1StringView("https") ? 443 : 80);
}

CalDavResult outcomeOf(int status, QNetworkReply::NetworkError error, const QString& what) {
    const QString detail = what + QStringLiteral(": ");
    if (status == 0) {
        // No answer: an untrusted certificate will not mend itself; anything else (refused, torn, timed out) may.
        if (error == QNetworkReply::SslHandshakeFailedError)
            //: %1 is the request, as in "PROPFIND https://example.org/dav/"
            return {CalDavOutcome::Refused,
                    QCoreApplication::translate("DavTransport", "%1: the secure connection failed").arg(what)};
        //: %1 is the request, as in "PROPFIND https://example.org/dav/"; %2 is Qt's number for the network error
        return {
            CalDavOutcome::RetryLater,
            QCoreApplication::translate("DavTransport", "%1: no answer (network error %2)").arg(what).arg(int(error))};
    }
    const QString code = detail + QStringLiteral("HTTP %1").arg(status);
    if (status / 100 == 2)
        return {CalDavOutcome::Ok, {}};
    // Only 401 speaks of the password: 403 is a calendar or a task this user may not touch.
    if (status == 401)
        return {CalDavOutcome::WrongCredentials, code};
    if (status == 412)
        return {CalDavOutcome::PreconditionFailed, code};
    if (status / 100 == 5 || status == 408 || status == 429)
        return {CalDavOutcome::RetryLater, code};
    return {CalDavOutcome::Refused, code};
}

} // namespace

DavTransport::DavTransport(const CalDavAccount& account, QObject* parent) : QObject(parent), m_account(account) {
    // Redirects are ours to follow: Qt turns a PROPFIND into a GET on 301, and would carry the password elsewhere.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_network.setAutoDeleteReplies(true);
}

DavTransport::~DavTransport() = default;

bool DavTransport::mayReach(const QUrl& url, QString& why) const {
    if (!url.isValid() || (url.scheme() != QLatin1StringView("https") && url.scheme() != QLatin1StringView("http")))
        why = QCoreApplication::translate("DavTransport", "not a web address");
    else if (url.scheme() == QLatin1StringView("http") && !isLoopbackHost(url.host()) && !m_account.allowPlainHttp)
        why =
            QCoreApplication::translate("DavTransport", "plain HTTP would send the password in clear; HTTPS is needed");
    else if (!sameServer(url, m_account.address))
        //: %1 is the account's server address
        why = QCoreApplication::translate("DavTransport", "not the account's server %1")
                  .arg(m_account.address.toDisplayString());
    return why.isEmpty();
}

void DavTransport::send(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body,
                        std::function<void(const DavReply&)> done) {
    send(method, url, headers, body, 5, std::move(done));
}

void DavTransport::send(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body,
                        int redirectsLeft, std::function<void(const DavReply&)> done) {
    QString why;
    if (!mayReach(url, why)) {
        // Answered from the event loop like every other outcome, so callers never re-enter themselves.
        //: %1 is an address, %2 why it is not asked
        const CalDavResult refused{
            CalDavOutcome::Refused,
            QCoreApplication::translate("DavTransport", "%1: %2").arg(url.toDisplayString(), why)};
        QMetaObject::invokeMethod(
            this,
            [done, refused] {
                done(DavReply{refused, 0, {}, {}, {}});
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));
    const QByteArray credentials = (m_account.user + QLatin1Char(':') + m_account.password).toUtf8().toBase64();
    request.setRawHeader("Authorization", "Basic " + credentials);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!body.isEmpty() && !request.hasRawHeader("Content-Type"))
        request.setRawHeader("Content-Type", "application/xml; charset=utf-8");
    QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
    ++m_requestsSent;
    connect(reply, &QNetworkReply::finished, this,
            [=, this] { finished(reply, method, headers, body, redirectsLeft, done); });
}

void DavTransport::finished(QNetworkReply* reply, const QByteArray& method, const Headers& headers,
                            const QByteArray& body, int redirectsLeft,
                            const std::function<void(const DavReply&)>& done) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl url = reply->url();
    if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
        const QUrl target = url.resolved(QUrl::fromEncoded(reply->rawHeader("Location")));
        if (redirectsLeft == 0) {
            done({{CalDavOutcome::Refused,
                   QCoreApplication::translate("DavTransport", "%1: too many redirects").arg(url.toDisplayString())},
                  status,
                  {},
                  {},
                  {}});
            return;
        }
        send(method, target, headers, body, redirectsLeft - 1, done);
        return;
    }
    done({outcomeOf(status, reply->error(), QString::fromLatin1(method) + QLatin1Char(' ') + url.toDisplayString()),
          status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().simplified(),
          reply->isOpen() ? reply->readAll() : QByteArray(), reply->rawHeader("ETag")});
}
