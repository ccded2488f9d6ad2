// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>

// A web server on 127.0.0.1 that gives canned answers (nothing at all: it hangs up) and keeps what it was sent, for
// the answers a well-behaved CalDAV server does not give. With several answers, each request takes the next one and
// the last is given from then on.
class StubHttpServer {
public:
    explicit StubHttpServer(QByteArray answer) : StubHttpServer(QByteArrayList{std::move(answer)}) {}
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
