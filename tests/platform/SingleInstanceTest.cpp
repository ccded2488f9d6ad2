// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"
#include "InstanceClient.h"
#include "InstanceProtocol.h"
#include "OpenFiles.h"
#include "TempFolder.h"
#include "TerminationSignals.h"
#include "WaitUntil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// A socket at path that listens and never answers, its file left behind once closed as a killed copy's is; or else
// a client of our socket that speaks whatever the test sends, without blocking the event loop that answers it.
int socketAt(const QString& path, bool listening) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (listening ? 0 : SOCK_NONBLOCK), 0);
    const bool made = listening ? ::bind(fd, at, sizeof(address)) == 0 && ::listen(fd, 4) == 0
                                : ::connect(fd, at, sizeof(address)) == 0;
    if (!made) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True when the other side closes the connection without a word within the time given: by default, before a silent
// client's five seconds are up.
bool closedSilently(int fd, int withinMs = 4500) {
    QElapsedTimer waited;
    waited.start();
    char byte = 0;
    ssize_t n = -1;
    waitUntil([&] { return (n = ::recv(fd, &byte, 1, 0)) >= 0; }, 20000);
    return n == 0 && waited.elapsed() < withinMs;
}

// A later start runs in a thread of its own, as it would in a process of its own, while this one answers.
class SingleInstanceTest : public ::testing::Test {
protected:
    template <typename Answer> Answer whenDone(std::future<Answer> later) {
        EXPECT_TRUE(waitUntil([&later] { return later.wait_for(0s) == std::future_status::ready; }, 20000));
        return later.get();
    }
    std::future<std::optional<SingleInstance::Reply>> send(const QStringList& words, const QString& token = {},
                                                           std::chrono::milliseconds patience = 20s) {
        return std::async(std::launch::async, [folder = folder, words, token, patience] {
            return SingleInstance(folder).sendToRunning({words, token}, patience);
        });
    }

    TempFolder temp;
    QString folder = QString::fromStdString(temp.path());
    SingleInstance first{folder};
};

TEST_F(SingleInstanceTest, TheFirstTakesTheLockAndAnswersTheOthers) {
    // With none running nothing answers, and the first takes the lock.
    const auto outcome = first.sendOrLock({{QStringLiteral("count")}, {}}, 1s);
    EXPECT_FALSE(outcome.reply);
    ASSERT_TRUE(outcome.locked);
    SingleInstance::Request heard;
    ASSERT_TRUE(first.listen([&heard](const SingleInstance::Request& request) {
        heard = request;
        return SingleInstance::Reply{3, QStringLiteral("caf\u00e9\n"), QStringLiteral("careful\n"), {}};
    }));
    // The socket is the user's alone.
    struct stat st {};
    ASSERT_EQ(::stat(first.socketPath().toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 077, 0u);
    EXPECT_FALSE(SingleInstance(folder).tryLock());

    const auto reply =
        whenDone(send({QStringLiteral("add"), QStringLiteral("two\nlines \u2615")}, QStringLiteral("token-1")));
    ASSERT_TRUE(reply);
    EXPECT_EQ(std::tie(reply->exitStatus, reply->output, reply->error),
              std::tuple(3, QStringLiteral("caf\u00e9\n"), QStringLiteral("careful\n")));
    EXPECT_EQ(heard.words, (QStringList{QStringLiteral("add"), QStringLiteral("two\nlines \u2615")}));
    EXPECT_EQ(heard.activationToken, QStringLiteral("token-1"));
    // A start with no standard input, as some launchers make it, has its socket as descriptor 0: as a later start
    // asking the running copy, and as a running copy listening.
    const pid_t withoutInput = ::fork();
    if (withoutInput == 0) {
        SingleInstance listening(folder + QStringLiteral("/without-input"));
        const bool locked = listening.tryLock();
        ::close(0);
        const bool asked = SingleInstance(folder).sendToRunning({{QStringLiteral("count")}, {}}, 20s).has_value();
        ::_exit(asked && locked &&
                        listening.listen([](const SingleInstance::Request&) { return SingleInstance::Reply{}; })
                    ? 0
                    : 1);
    }
    int status = -1;
    EXPECT_TRUE(waitUntil([&] { return ::waitpid(withoutInput, &status, WNOHANG) == withoutInput; }, 20000));
    EXPECT_EQ(status, 0);

    // A copy in a folder not made yet makes it; one that quits takes its socket and its lock with it.
    auto quitting = std::make_unique<SingleInstance>(folder + QStringLiteral("/not-made-yet"));
    ASSERT_TRUE(quitting->tryLock() &&
                quitting->listen([](const SingleInstance::Request&) { return SingleInstance::Reply{}; }));
    const QString socket = quitting->socketPath();
    quitting.reset();
    EXPECT_FALSE(QFile::exists(socket));
    EXPECT_TRUE(SingleInstance(folder + QStringLiteral("/not-made-yet")).tryLock());
}

// Only a request that no copy took may be sent again; one taken and never answered might have been done. A copy
// killed outright leaves its lock and its socket behind: the next start takes both over and listens there.
TEST_F(SingleInstanceTest, TheClientTellsNoCopyFromASilentOneAndACopyThatDiedLeavesNothingInTheWayOfTheNext) {
    const QString socket = instance_client::socketPath(folder);
    EXPECT_TRUE(instance_client::ask(socket, {QStringLiteral("count")}, {}, 1s).noCopy);
    const int silent = socketAt(socket, true);
    ASSERT_GE(silent, 0);
    const auto outcome = whenDone(std::async(
        std::launch::async, [socket] { return instance_client::ask(socket, {QStringLiteral("count")}, {}, 300ms); }));
    EXPECT_FALSE(outcome.answer);
    EXPECT_FALSE(outcome.noCopy);
    ::close(silent);

    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(SingleInstance(folder).tryLock() ? 0 : 1);
    int status = -1;
    ASSERT_EQ(::waitpid(dead, &status, 0), dead);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::exists(first.lockPath()));
    ASSERT_TRUE(QFile::exists(first.socketPath()));
    ASSERT_TRUE(first.sendOrLock({{QStringLiteral("count")}, {}}, 5s).locked);
    EXPECT_TRUE(first.listen([](const SingleInstance::Request&) { return SingleInstance::Reply{}; }));
}

// A reply may come long after the request, as a sync's does: the later start waits for it and takes the first, and
// the work after the answer runs once.
TEST_F(SingleInstanceTest, AReplyGivenLaterReachesTheLaterStartOnce) {
    ASSERT_TRUE(first.tryLock());
    SingleInstance::Respond respond;
    ASSERT_TRUE(first.listen(
        [&respond](const SingleInstance::Request&, SingleInstance::Respond later) { respond = std::move(later); }));
    auto later = send({QStringLiteral("sync")});
    ASSERT_TRUE(waitUntil([&respond] { return bool(respond); }));
    EXPECT_NE(later.wait_for(0s), std::future_status::ready);

    int afterwards = 0;
    const SingleInstance::Respond copy = respond;
    respond({0, QStringLiteral("1 added here\n"), {}, [&afterwards] { ++afterwards; }});
    copy({4, {}, QStringLiteral("too late\n"), [&afterwards] { ++afterwards; }});
    const auto reply = whenDone(std::move(later));
    ASSERT_TRUE(reply);
    EXPECT_EQ(std::tie(reply->exitStatus, reply->output), std::tuple(0, QStringLiteral("1 added here\n")));
    EXPECT_EQ(afterwards, 1);
}

// A start that stopped waiting gets no answer, but what the answer was to do afterwards is done, and its connection
// is closed, not kept open for the rest of the run.
TEST_F(SingleInstanceTest, AnAnswerForAStartThatStoppedWaitingIsDroppedButWhatFollowsItIsDone) {
    ASSERT_TRUE(first.tryLock());
    SingleInstance::Respond respond;
    ASSERT_TRUE(first.listen(
        [&respond](const SingleInstance::Request&, SingleInstance::Respond later) { respond = std::move(later); }));
    const auto before = openFileCount();
    auto later = send({QStringLiteral("sync")}, {}, 300ms);
    ASSERT_TRUE(waitUntil([&respond] { return bool(respond); }));
    EXPECT_FALSE(whenDone(std::move(later)).has_value());
    QCoreApplication::processEvents(); // where the copy sees the start go
    int afterwards = 0;
    respond({0, QStringLiteral("1 added here\n"), {}, [&afterwards] { ++afterwards; }});
    EXPECT_EQ(afterwards, 1);
    EXPECT_TRUE(waitUntil([&] { return openFileCount() == before; }));
}

// A stranger's bytes, or a request begun by a start that then went away, are closed without an answer; the copy goes
// on answering the next start.
TEST_F(SingleInstanceTest, WhatIsNotOneOfOurRequestsIsClosedAndTheNextStartIsStillAnswered) {
    ASSERT_TRUE(first.tryLock());
    int heard = 0;
    ASSERT_TRUE(first.listen([&heard](const SingleInstance::Request&) {
        ++heard;
        return SingleInstance::Reply{};
    }));
    // Our words under another magic number (another program's protocol, or another version's), then a request cut
    // short by its sender, then one whose sender holds the line and says no more: closed, at the latest once the
    // copy's patience (5 s) runs out.
    QByteArray foreign = instance_protocol::encodeRequest({QStringLiteral("count")}, {});
    foreign.replace(0, 4, "JUNK");
    const QByteArray begun = instance_protocol::encodeRequest({QStringLiteral("add"), QStringLiteral("x")}, {});
    const std::tuple<QByteArray, bool, int> requests[] = {
        {foreign, false, 4500}, {begun.left(12), true, 4500}, {begun.left(12), false, 8000}}; // bytes, cut short, ms
    for (const auto& [bytes, cutShort, withinMs] : requests) {
        const int stranger = socketAt(first.socketPath(), false);
        ASSERT_GE(stranger, 0);
        ASSERT_EQ(::send(stranger, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL), bytes.size());
        if (cutShort)
            ::shutdown(stranger, SHUT_WR);
        EXPECT_TRUE(closedSilently(stranger, withinMs));
        ::close(stranger);
    }

    EXPECT_TRUE(whenDone(send({QStringLiteral("count")})).has_value());
    EXPECT_EQ(heard, 1);
}

// A logout's SIGTERM ends the event loop normally, so the work done at quit (a last save) still runs.
TEST(TerminationSignals, SigtermEndsTheEventLoopTheNormalWay) {
    quitOnTerminationSignals();
    bool aboutToQuit = false;
    const auto connection = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                             [&aboutToQuit] { aboutToQuit = true; });
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the signal did not end the loop";
    QObject::disconnect(connection);
    EXPECT_TRUE(aboutToQuit);
}
} // namespace
