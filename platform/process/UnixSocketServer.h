// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

// One accepted connection, read and written without blocking from the event loop.
class UnixSocketConnection final : public QObject {
public:
    explicit UnixSocketConnection(int fd, QObject* parent = nullptr);
    ~UnixSocketConnection() override;

    // What has come in so far; the reader takes what it used.
    QByteArray& received() { return m_received; }
    // Called as bytes come in, and when the other side has gone (open() is then false).
    void setReadHandler(std::function<void()> handler) { m_readHandler = std::move(handler); }
    bool open() const { return m_fd >= 0 && !m_peerGone; }

    // Sends bytes, then closes once they are all out; the connection then deletes itself.
    void sendAndClose(const QByteArray& bytes);
    // Closes at once, dropping what was not sent; the connection then deletes itself.
    void abort();

private:
    void readAvailable();
    void writePending();
    void finish();

    int m_fd;
    QSocketNotifier* m_readNotifier;
    QSocketNotifier* m_writeNotifier;
    QByteArray m_received;
    QByteArray m_pending;
    bool m_peerGone = false;
    bool m_closing = false;
    std::function<void()> m_readHandler;
};

// A listening Unix domain socket at a path, readable and writable by the user alone. No network library: the
// program that listens need not load one.
class UnixSocketServer final : public QObject {
public:
    explicit UnixSocketServer(QObject* parent = nullptr);
    ~UnixSocketServer() override;

    // Binds and listens at path, which must not exist. False, with why filled in, on failure.
    bool listen(const QString& path, QString* why);
    // Stops listening and removes the socket file.
    void close();
    // Each new connection, owned by this server until it closes.
    void setConnectionHandler(std::function<void(UnixSocketConnection*)> handler) {
        m_connectionHandler = std::move(handler);
    }

private:
    void acceptPending();

    int m_fd = -1;
    QString m_path;
    QSocketNotifier* m_notifier = nullptr;
    std::function<void(UnixSocketConnection*)> m_connectionHandler;
};
