// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"
#include "InstanceClient.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <QCoreApplication>
#include <QLocalServer>

#include <gtest/gtest.h>

#include <future>
#include <sys/stat.h>

using namespace std::chrono_literals;

TEST(SingleInstanceTest, TheFirstTakesTheLockAndAnswersTheOthers) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    // With none running nothing answers, and the first takes the lock.
    SingleInstance first(folder);
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

    SingleInstance second(folder);
    EXPECT_FALSE(second.tryLock());
    // A later start runs in a thread of its own, as it would in a process of its own, while this one answers.
    auto later = std::async(std::launch::async, [folder] {
        return SingleInstance(folder).sendToRunning(
            {{QStringLiteral("add"), QStringLiteral("two\nlines \u2615")}, QStringLiteral("token-1")}, 5s);
    });
    while (later.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    const auto reply = later.get();

    ASSERT_TRUE(reply);
    EXPECT_EQ(std::tie(reply->exitStatus, reply->output, reply->error),
              std::tuple(3, QStringLiteral("caf\u00e9\n"), QStringLiteral("careful\n")));
    EXPECT_EQ(heard.words, (QStringList{QStringLiteral("add"), QStringLiteral("two\nlines \u2615")}));
    EXPECT_EQ(heard.activationToken, QStringLiteral("token-1"));
}

// (A lock and socket left by a copy killed outright are met in the command line's desktop session.)

// What only shows the change runs after the answer is out: the later start has it while that work still runs.
TEST(SingleInstanceTest, WorkAfterTheAnswerRunsOnceTheLaterStartHasIt) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    SingleInstance first(folder);
    ASSERT_TRUE(first.tryLock());
    std::future<std::optional<SingleInstance::Reply>> later;
    bool answeredFirst = false;
    ASSERT_TRUE(first.listen([&](const SingleInstance::Request&) {
        return SingleInstance::Reply{0, QStringLiteral("stored\n"), {}, [&] {
                                         answeredFirst = later.wait_for(5s) == std::future_status::ready;
                                     }};
    }));
    later = std::async(std::launch::async, [folder] {
        return SingleInstance(folder).sendToRunning({{QStringLiteral("add")}, {}}, 5s);
    });
    while (later.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_TRUE(answeredFirst);
    ASSERT_TRUE(later.get());
}

// Only a request that no copy took may be sent again; one taken and never answered might have been done.
TEST(SingleInstanceTest, TheClientTellsNoCopyFromASilentOne) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    const QString socket = instance_client::socketPath(folder);
    EXPECT_TRUE(instance_client::ask(socket, {QStringLiteral("count")}, {}, 1s).noCopy);

    QLocalServer silent;
    ASSERT_TRUE(silent.listen(socket));
    auto later = std::async(std::launch::async,
                            [socket] { return instance_client::ask(socket, {QStringLiteral("count")}, {}, 300ms); });
    while (later.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    const auto outcome = later.get();
    EXPECT_FALSE(outcome.answer);
    EXPECT_FALSE(outcome.noCopy);
}

// A reply may come long after the request: the later start waits for it, takes the first, and the work after the
// answer runs once.
TEST(SingleInstanceTest, AReplyGivenLaterReachesTheLaterStartOnce) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    SingleInstance first(folder);
    ASSERT_TRUE(first.tryLock());
    SingleInstance::Respond respond;
    ASSERT_TRUE(first.listen(
        [&respond](const SingleInstance::Request&, SingleInstance::Respond later) { respond = std::move(later); }));
    auto later = std::async(std::launch::async, [folder] {
        return SingleInstance(folder).sendToRunning({{QStringLiteral("sync")}, {}}, 20s);
    });
    ASSERT_TRUE(waitUntil([&respond] { return bool(respond); }));
    EXPECT_NE(later.wait_for(0s), std::future_status::ready);

    int afterwards = 0;
    const SingleInstance::Respond copy = respond;
    respond({0, QStringLiteral("1 added here\n"), {}, [&afterwards] { ++afterwards; }});
    copy({4, {}, QStringLiteral("too late\n"), [&afterwards] { ++afterwards; }});
    ASSERT_TRUE(waitUntil([&later] { return later.wait_for(0s) == std::future_status::ready; }));
    const auto reply = later.get();
    ASSERT_TRUE(reply);
    EXPECT_EQ(std::tie(reply->exitStatus, reply->output), std::tuple(0, QStringLiteral("1 added here\n")));
    EXPECT_EQ(afterwards, 1);
}

// The copy stopped listening before the sync was done: the reply has nowhere to go, but what follows it still runs.
TEST(SingleInstanceTest, AReplyForAConnectionThatWentIsDroppedAndItsWorkStillRuns) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    SingleInstance first(folder);
    ASSERT_TRUE(first.tryLock());
    SingleInstance::Respond respond;
    ASSERT_TRUE(first.listen(
        [&respond](const SingleInstance::Request&, SingleInstance::Respond later) { respond = std::move(later); }));
    auto later = std::async(std::launch::async, [socket = first.socketPath()] {
        return instance_client::ask(socket, {QStringLiteral("sync")}, {}, 20s);
    });
    ASSERT_TRUE(waitUntil([&respond] { return bool(respond); }));
    first.unlock();
    ASSERT_TRUE(waitUntil([&later] { return later.wait_for(0s) == std::future_status::ready; }));
    EXPECT_FALSE(later.get().answer);

    bool ran = false;
    respond({0, QStringLiteral("done\n"), {}, [&ran] { ran = true; }});
    EXPECT_TRUE(ran);
}
