// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileContents.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSslCertificate>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>

// A CalDAV server of the test's own on 127.0.0.1: one user with a plain htpasswd entry, storage in a temporary
// folder, a free port; over HTTPS with a throwaway certificate on request. Stopped (killed) with the object.
class RadicaleServer {
public:
    enum class Scheme { Http, Https };

    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty(); }

    ~RadicaleServer() { stop(); }

    // More lines for the [server] section of its configuration, set before start: limits a test needs.
    QString serverOptions;

    // Starts it for user and password and waits until it takes connections; false when it would not.
    bool start(const QString& user, const QString& password, Scheme scheme = Scheme::Http) {
        writeFile(m_folder.path() + "/users", (user + QLatin1Char(':') + password + QLatin1Char('\n')).toStdString());
        m_scheme = scheme;
        if (scheme == Scheme::Https && !makeCertificate())
            return false;
        // Another process may take the port between our look and the server's bind: then try another.
        for (int attempt = 0; attempt < 3; ++attempt) {
            m_port = freePort();
            if (launch())
                return true;
        }
        return false;
    }
    // Starts it again after stop(), on the same port, over the same storage.
    bool restart() { return launch(); }

    // Its collections, as collection-root/<user>/<collection>/ each with a .Radicale.props, and an .ics file per
    // item: may be written to before start, to set up more than requests would in good time.
    std::string storagePath() const { return m_folder.path() + "/storage"; }
    // What a client must trust to reach it over HTTPS.
    QList<QSslCertificate> certificates() const { return m_certificates; }

    QUrl url(const QString& path = QStringLiteral("/")) const {
        const QString scheme = m_scheme == Scheme::Https ? QStringLiteral("https") : QStringLiteral("http");
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_port).arg(path));
    }

    // Freezes the server: connections are still taken by the system, but nothing answers.
    void pause() { ::kill(pid_t(m_process.processId()), SIGSTOP); }
    void stop() {
        m_process.kill();
        m_process.waitForFinished();
    }

    // A request straight to the server over HTTP, for setting the scene; answers the HTTP status, 0 when none came in
    // time.
    int send(const QByteArray& method, const QString& path, const QString& user, const QString& password,
             const QByteArray& body = {}, int timeoutMs = 10000) {
        QNetworkRequest request(url(path));
        request.setRawHeader("Authorization", "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64());
        QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
        waitUntil([reply] { return reply->isFinished(); }, timeoutMs);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        reply->deleteLater();
        return status;
    }

private:
    bool launch() {
        const QString folder = QString::fromStdString(m_folder.path());
        const QString tls = QStringLiteral("ssl = True\ncertificate = %1/cert.pem\nkey = %1/key.pem\n").arg(folder);
        writeFile(m_folder.path() + "/config",
                  QStringLiteral(R"([server]
hosts = 127.0.0.1:%1
%4
%3[auth]
type = htpasswd
htpasswd_filename = %2/users
htpasswd_encryption = plain
[storage]
filesystem_folder = %2/storage
[rights]
type = owner_only
)")
                      .arg(m_port)
                      .arg(folder, m_scheme == Scheme::Https ? tls : QString(), serverOptions)
                      .toStdString());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("radicale"), {QStringLiteral("--config"), folder + QStringLiteral("/config")});
        if (m_process.waitForStarted() && waitUntilAnswering())
            return true;
        stop();
        return false;
    }
    // A certificate for 127.0.0.1 that expires tomorrow, made with openssl: Qt cannot make one.
    bool makeCertificate() {
        const QString folder = QString::fromStdString(m_folder.path());
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.setStandardOutputFile(QProcess::nullDevice());
        openssl.start(
            QStringLiteral("openssl"),
            QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj "
                           "/CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout %1/key.pem -out %1/cert.pem")
                .arg(folder)
                .split(QLatin1Char(' ')));
        if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0)
            return false;
        m_certificates = QSslCertificate::fromPath(folder + QStringLiteral("/cert.pem"));
        return !m_certificates.isEmpty();
    }
    static quint16 freePort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }
    bool waitUntilAnswering() {
        const auto answering = [this] {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            return socket.waitForConnected(200) || m_process.state() != QProcess::Running;
        };
        return waitUntil(answering, 15000) && m_process.state() == QProcess::Running;
    }

    TempFolder m_folder;
    QProcess m_process;
    QNetworkAccessManager m_network;
    quint16 m_port = 0;
    Scheme m_scheme = Scheme::Http;
    QList<QSslCertificate> m_certificates;
};

// A test against a server of its own for one user; skipped where radicale is not installed.
class RadicaleTest : public ::testing::Test {
public:
    static inline const QString user = QStringLiteral("alice");
    static inline const QString password = QStringLiteral("secret");

protected:
    void SetUp() override {
        if (!RadicaleServer::installed())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_TRUE(server.start(user, password)) << "radicale would not start";
    }

    RadicaleServer server;
};
