// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceClient.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace instance_client {
namespace {
using Clock = std::chrono::steady_clock;

class Socket {
public:
    Socket() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Waits until fd can be read or written; false once the deadline passed.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(std::min<long long>(left, 60'000)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

bool connectTo(int fd, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    int result = 0;
    do
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    while (result < 0 && errno == EINTR);
    return result == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}

bool sendAll(int fd, const QByteArray& bytes, Clock::time_point deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline))
                return false;
        } else
            return false;
    }
    return true;
}
} // namespace

QString defaultFolder() {
    // $XDG_RUNTIME_DIR, checked to be the user's own; Qt makes a private one when it is unset.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString socketPath(const QString& folder) {
    return folder + QStringLiteral("/redizado.socket");
}

QString lockPath(const QString& folder) {
    return folder + QStringLiteral("/redizado.lock");
}

Outcome ask(const QString& socketPath, const QStringList& words, const QString& activationToken,
            std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    Socket socket;
    if (socket.fd() < 0 || !connectTo(socket.fd(), socketPath))
        return {std::nullopt, true};
    if (!sendAll(socket.fd(), instance_protocol::encodeRequest(words, activationToken), deadline))
        return {std::nullopt, Clock::now() < deadline};
    // Read for as long as bytes come, and looked at whenever the socket runs dry: a long list arrives in many
    // pieces and is decoded once or twice, not once a piece.
    QByteArray received;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::recv(socket.fd(), buffer, sizeof buffer, 0);
        if (n > 0) {
            received.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        const bool drained = n == 0 || errno == EAGAIN || errno == EWOULDBLOCK;
        if (auto answer = drained ? instance_protocol::decodeAnswer(received) : std::nullopt)
            return {std::move(answer), false};
        if (n == 0 || !drained)
            return {std::nullopt, true};
        if (!waitFor(socket.fd(), POLLIN, deadline))
            return {std::nullopt, false};
    }
}
} // namespace instance_client
