// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "InstanceClient.h"
#include "LogCategories.h"

#include "UnixSocketServer.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace {
using instance_protocol::requestMagic;
using instance_protocol::streamVersion;
// The longest title the panel takes is 16 Mi characters; a request past this is not one of ours.
constexpr qint64 maxRequestBytes = 64LL * 1024 * 1024;
// A command and its few words (a title, an account); more than this are not one of ours.
constexpr quint32 maxRequestWords = 16;
// A client that connects and then says nothing must not hold a connection for ever.
constexpr int clientPatienceMs = 5000;
constexpr unsigned long retryPauseMs = 25;

void sendReply(UnixSocketConnection* connection, const SingleInstance::Reply& reply) {
    // Out to the later start now, not on the next turn of the event loop, behind whatever comes afterwards.
    connection->sendAndClose(instance_protocol::encodeAnswer({reply.exitStatus, reply.output, reply.error}));
    if (reply.afterwards)
        reply.afterwards();
}
} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_lock(lockPath()) {
    // The lock is held for the whole run; age alone must never make it look abandoned.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder() {
    return instance_client::defaultFolder();
}

QString SingleInstance::lockPath() const {
    return instance_client::lockPath(m_folder);
}

QString SingleInstance::socketPath() const {
    return instance_client::socketPath(m_folder);
}

std::optional<SingleInstance::Reply> SingleInstance::sendToRunning(const Request& request,
                                                                   std::chrono::milliseconds timeout) const {
    if (m_lock.isLocked())
        return std::nullopt;
    auto outcome = instance_client::ask(socketPath(), request.words, request.activationToken, timeout);
    if (!outcome.answer)
        return std::nullopt;
    return Reply{outcome.answer->exitStatus, std::move(outcome.answer->output), std::move(outcome.answer->error), {}};
}

bool SingleInstance::tryLock() {
    QDir().mkpath(m_folder);
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError)
        qCWarning(lcInstance) << "cannot take the lock" << lockPath() << "(error" << m_lock.error() << ")";
    return false;
}

void SingleInstance::unlock() {
    if (m_server)
        m_server->close();
    m_server.reset();
    m_lock.unlock();
}

bool SingleInstance::listen(Handler handler) {
    return listen(
        [handler = std::move(handler)](const Request& request, const Respond& respond) { respond(handler(request)); });
}

bool SingleInstance::listen(LaterHandler handler) {
    m_handler = std::move(handler);
    m_server = std::make_unique<UnixSocketServer>();
    // Holding the lock, a socket file left behind can only be a dead copy's.
    const QByteArray path = QFile::encodeName(socketPath());
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        qCWarning(lcInstance) << "cannot remove the socket a stopped copy left at" << socketPath() << ":"
                              << std::strerror(errno);
    QString why;
    if (!m_server->listen(socketPath(), &why)) {
        qCWarning(lcInstance) << "cannot listen on" << socketPath() << ":" << why
                              << "; later starts will not find this one";
        m_server.reset();
        return false;
    }
    m_server->setConnectionHandler([this](UnixSocketConnection* connection) {
        auto* patience = new QTimer(connection);
        patience->setSingleShot(true);
        connect(patience, &QTimer::timeout, connection, &UnixSocketConnection::abort);
        patience->start(clientPatienceMs);
        connection->setReadHandler([this, connection, patience] { answer(connection, patience); });
    });
    return true;
}

void SingleInstance::answer(UnixSocketConnection* connection, QTimer* patience) {
    QByteArray& received = connection->received();
    if (received.size() > maxRequestBytes) {
        qCWarning(lcInstance) << "a request of more than" << maxRequestBytes << "bytes was refused";
        connection->abort();
        return;
    }
    QDataStream in(received);
    in.setVersion(streamVersion);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    // Checked before anything is read into memory: a count read from a stranger's bytes could ask for gigabytes.
    if (in.status() == QDataStream::Ok && (magic != requestMagic || count > maxRequestWords)) {
        qCWarning(lcInstance) << "a connection that did not speak our protocol was closed";
        connection->abort();
        return;
    }
    Request request;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString word;
        in >> word;
        request.words << word;
    }
    in >> request.activationToken;
    if (in.status() != QDataStream::Ok) {
        // The rest is still on its way, unless the later start has gone.
        if (!connection->open())
            connection->abort();
        return;
    }
    // The request is whole: from here the later start waits for us, for as long as the answer takes.
    patience->stop();
    connection->setReadHandler({});
    if (!m_handler) {
        sendReply(connection, Reply{1, {}, tr("not ready") + QLatin1Char('\n'), {}});
        return;
    }
    // Shared by every copy of the function: the handler may hand it on.
    auto sent = std::make_shared<bool>(false);
    m_handler(request, [connection = QPointer<UnixSocketConnection>(connection), sent](const Reply& reply) {
        if (std::exchange(*sent, true))
            return;
        // Gone with the server or with the later start that stopped waiting.
        if (connection && connection->open()) {
            sendReply(connection, reply);
            return;
        }
        if (connection)
            connection->abort();
        if (reply.afterwards)
            reply.afterwards();
    });
}

SingleInstance::Outcome SingleInstance::sendOrLock(const Request& request, std::chrono::milliseconds timeout) {
    QDeadlineTimer deadline(timeout);
    do {
        if (auto reply =
                sendToRunning(request, std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 1))))
            return {std::move(reply), false};
        if (tryLock())
            return {std::nullopt, true};
        QThread::msleep(retryPauseMs);
    } while (!deadline.hasExpired());
    return {};
}
