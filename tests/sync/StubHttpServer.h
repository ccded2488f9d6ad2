// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A web server on 127.0.0.1 that gives every request one canned answer (nothing at all: it hangs up) and keeps
// what it was sent, for the answers a well-behaved CalDAV server does not give.
class StubHttpServer {
public:
    explicit StubHttpServer(QByteArray answer) : m_answer(std::move(answer)) {
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
    // The head of each request taken (request line and headers).
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
        socket->readAll();
        socket->write(m_answer);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_answer;
    QByteArrayList m_requests;
};
