// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempFolder.h"
#include "WaitUntil.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <csignal>

// A CalDAV server of the test's own on 127.0.0.1: one user with a plain htpasswd entry, storage in a temporary
// folder, a free port. Stopped (killed) with the object.
class RadicaleServer {
public:
    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty(); }

    RadicaleServer() = default;
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;
    ~RadicaleServer() { stop(); }

    // Starts it for user and password and waits until it takes connections; false when it would not.
    bool start(const QString& user, const QString& password) {
        const QString folder = QString::fromStdString(m_folder.path());
        writeFile(folder + QStringLiteral("/users"), user + QLatin1Char(':') + password + QLatin1Char('\n'));
        // Another process may take the port between our look and the server's bind: then try another.
        for (int attempt = 0; attempt < 3; ++attempt) {
            m_port = freePort();
            writeFile(folder + QStringLiteral("/config"), QStringLiteral(R"([server]
hosts = 127.0.0.1:%1
[auth]
type = htpasswd
htpasswd_filename = %2/users
htpasswd_encryption = plain
[storage]
filesystem_folder = %2/storage
[rights]
type = owner_only
)")
                                                              .arg(m_port)
                                                              .arg(folder));
            m_process.setStandardOutputFile(QProcess::nullDevice());
            m_process.setStandardErrorFile(QProcess::nullDevice());
            m_process.start(QStringLiteral("radicale"),
                            {QStringLiteral("--config"), folder + QStringLiteral("/config")});
            if (m_process.waitForStarted() && waitUntilAnswering())
                return true;
            stop();
        }
        return false;
    }

    QUrl url(const QString& path = QStringLiteral("/")) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }

    // Freezes the server: connections are still taken by the system, but nothing answers.
    void pause() { ::kill(pid_t(m_process.processId()), SIGSTOP); }
    void stop() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished();
    }

    // A request straight to the server, for setting the scene; answers the HTTP status.
    int send(const QByteArray& method, const QString& path, const QString& user, const QString& password,
             const QByteArray& body = {}) {
        QNetworkRequest request(url(path));
        request.setRawHeader("Authorization", "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64());
        QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
        waitUntil([reply] { return reply->isFinished(); }, 10000);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        reply->deleteLater();
        return status;
    }

private:
    static quint16 freePort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }
    static void writeFile(const QString& path, const QString& text) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text.toUtf8());
    }
    bool waitUntilAnswering() {
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(200))
                return true;
            m_process.waitForFinished(50);
        }
        return false;
    }

    TempFolder m_folder;
    QProcess m_process;
    QNetworkAccessManager m_network;
    quint16 m_port = 0;
};
