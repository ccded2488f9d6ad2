// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnixSocketServer.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int backlog = 64;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

UnixSocketConnection::UnixSocketConnection(int fd, QObject* parent)
    : QObject(parent), m_fd(fd), m_readNotifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
      m_writeNotifier(new QSocketNotifier(fd, QSocketNotifier::Write, this)) {
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, [this] { readAvailable(); });
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] { writePending(); });
}

UnixSocketConnection::~UnixSocketConnection() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void UnixSocketConnection::readAvailable() {
    char buffer[64 * 1024];
    bool more = false;
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            m_received.append(buffer, n);
            more = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // Closed by the other side, or broken: nothing more comes, and nothing can be sent.
        m_peerGone = true;
        m_readNotifier->setEnabled(false);
        break;
    }
    if (m_closing) {
        if (m_peerGone)
            finish();
        return;
    }
    if ((more || m_peerGone) && m_readHandler)
        m_readHandler();
}

void UnixSocketConnection::sendAndClose(const QByteArray& bytes) {
    if (m_fd < 0 || m_closing)
        return;
    m_closing = true;
    m_pending = bytes;
    writePending();
}

void UnixSocketConnection::writePending() {
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::send(m_fd, m_pending.constData(), size_t(m_pending.size()), MSG_NOSIGNAL);
        if (n > 0) {
            m_pending.remove(0, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            m_writeNotifier->setEnabled(true);
            return;
        } else {
            break; // the other side has gone: the rest is dropped
        }
    }
    finish();
}

void UnixSocketConnection::abort() {
    m_pending.clear();
    finish();
}

void UnixSocketConnection::finish() {
    if (m_fd < 0)
        return;
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    ::close(m_fd);
    m_fd = -1;
    deleteLater();
}

UnixSocketServer::UnixSocketServer(QObject* parent) : QObject(parent) {}

UnixSocketServer::~UnixSocketServer() {
    close();
}

bool UnixSocketServer::listen(const QString& path, QString* why) {
    close();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path)) {
        *why = QStringLiteral("the path is too long for a socket");
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        *why = systemError("socket");
        return false;
    }
    // The file is made with the socket's own mode, so no other user can connect even for a moment; the chmod
    // after bind holds where the kernel ignores that mode.
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        *why = systemError("bind");
        ::close(fd);
        return false;
    }
    if (::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, backlog) != 0) {
        *why = systemError("listen");
        ::close(fd);
        ::unlink(name.constData());
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { acceptPending(); });
    return true;
}

void UnixSocketServer::acceptPending() {
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: none left; anything else comes back at the next notification
        }
        auto* connection = new UnixSocketConnection(fd, this);
        if (m_connectionHandler)
            m_connectionHandler(connection);
    }
}

void UnixSocketServer::close() {
    if (m_fd < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
    ::unlink(QFile::encodeName(m_path).constData());
    m_path.clear();
}
