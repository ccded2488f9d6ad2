// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;
class UnixSocketConnection;
class UnixSocketServer;

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// One running copy per user. The first to take the lock file in the user's runtime folder listens on a local
// socket beside it (user-only); later starts hand their words to it and print what it answers.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    struct Reply {
        int exitStatus = 0;
        QString output;
        QString error;
        // The running copy's work that only shows the change (the icon, the list): run once the reply is on its
        // way, so the later start need not wait for it. Never sent.
        std::function<void()> afterwards;
    };
    struct Request {
        QStringList words;
        // The desktop's permission to raise a window, handed on from the later start (Wayland's activation
        // token, X11's startup id); empty when it had none.
        QString activationToken;
    };
    using Handler = std::function<Reply(const Request& request)>;
    // Sends the reply to the later start that asked. Only the first call counts; once that start has gone (it gave
    // up waiting), the reply is dropped.
    using Respond = std::function<void(const Reply& reply)>;
    // Answers through respond, at once or later (a sync waits for the server).
    using LaterHandler = std::function<void(const Request& request, Respond respond)>;

    // folder: where the lock and the socket live; by default the user's runtime folder.
    explicit SingleInstance(QString folder = defaultFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultFolder();
    QString lockPath() const;
    QString socketPath() const;

    // Hands the request to the running copy and waits for its reply; nothing when none answers.
    std::optional<Reply> sendToRunning(const Request& request, std::chrono::milliseconds timeout) const;
    // Takes the lock (a lock left by a copy that died is taken over); false while another process holds it.
    bool tryLock();
    void unlock();
    bool isLocked() const { return m_lock.isLocked(); }
    // With the lock held: answers requests through handler from now on. False, with a log line, on failure.
    bool listen(Handler handler);
    bool listen(LaterHandler handler);

    // Until one answers or the lock is ours: the copy that holds it may still be starting. The reply, or
    // nothing when the lock was taken; false in .second when neither happened within the timeout.
    struct Outcome {
        std::optional<Reply> reply;
        bool locked = false;
    };
    Outcome sendOrLock(const Request& request, std::chrono::milliseconds timeout);

private:
    void answer(UnixSocketConnection* connection, QTimer* patience);

    QString m_folder;
    QLockFile m_lock;
    std::unique_ptr<UnixSocketServer> m_server;
    LaterHandler m_handler;
};
