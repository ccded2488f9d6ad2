// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommands.h"
#include "CommandLine.h"
#include "InstanceClient.h"
#include "MemorySyncControl.h"
#include "SingleInstance.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <future>
#include <optional>

using namespace std::chrono_literals;

namespace {
using Sync = Command::Sync;

// The command as typed, the password as read from standard input.
Command typed(const QString& words) {
    Command command = parseCommandLine(QStringList{"redizado"} + words.split(QLatin1Char(' '))).command;
    command.password = command.sync == Sync::account ? QStringLiteral("s3cret") : QString();
    return command;
}
const QString account = QStringLiteral("sync --account https://dav.example.org/cal/ alice");

class SyncCommandsTest : public ::testing::Test {
protected:
    // The reply, once the sync has given it.
    CommandReply run(const Command& command) {
        std::optional<CommandReply> reply;
        commands.run(command, [&reply](const CommandReply& answer) {
            EXPECT_FALSE(reply) << "answered twice";
            reply = answer;
        });
        EXPECT_TRUE(waitUntil([&reply] { return reply.has_value(); }));
        return reply.value_or(CommandReply{-1, {}, {}});
    }
    void turnOn() { sync.kept = SyncControl::Account{QUrl(QStringLiteral("https://dav.example.org/")), "al", false}; }

    MemorySyncControl sync;
    SyncCommands commands{sync};
};

struct Finished {
    const char* name;
    SyncReport report;
    int status;
    const char* output;
    const char* error; // a part of it
};

class SyncReplyTest : public SyncCommandsTest, public ::testing::WithParamInterface<Finished> {};

TEST_P(SyncReplyTest, SaysWhatChangedOrWhyNotWithItsOwnStatus) {
    turnOn();
    sync.nextReport = GetParam().report;
    const CommandReply reply = run(typed("sync"));
    EXPECT_EQ(reply.exitStatus, GetParam().status);
    EXPECT_EQ(reply.output, QString::fromUtf8(GetParam().output));
    EXPECT_TRUE(reply.error.contains(QString::fromUtf8(GetParam().error))) << reply.error.toStdString();
    EXPECT_EQ(reply.error.isEmpty(), GetParam().status == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SyncReplyTest,
    ::testing::Values(
        Finished{"ChangesOnBothSides",
                 {SyncOutcome::Ok, {2, 1, 0, 3, 0, 0}, {}},
                 0,
                 "2 added here, 1 changed here, 3 added on the server\n",
                 ""},
        Finished{
            "Removals", {SyncOutcome::Ok, {0, 0, 1, 0, 0, 4}, {}}, 0, "1 removed here, 4 removed on the server\n", ""},
        Finished{"NothingChanged", {}, 0, "Nothing to do\n", ""},
        Finished{"WrongPasswordSaysHowToSetItAgain",
                 {SyncOutcome::WrongCredentials, {}, "HTTP 401"},
                 sync_status::wrongPassword,
                 "",
                 "(HTTP 401); set them again with: redizado sync --account"},
        Finished{"Unreachable", {SyncOutcome::RetryLater, {}, {}}, sync_status::tryLater, "", "try again later"},
        Finished{"RefusedWithTheServersWordsMadeSafe",
                 {SyncOutcome::Refused, {}, "certificate \x1b[2J"},
                 sync_status::refused,
                 "",
                 "certificate \\x1b[2J"},
        Finished{"UnreadableTasksStillSayWhatWasDone",
                 {SyncOutcome::Malformed, {0, 0, 0, 0, 1, 0}, "task 7"},
                 sync_status::failed,
                 "1 changed on the server\n",
                 "could not be read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SyncCommandsTest, ASyncWhileOffSaysHowToTurnItOnWithoutAsking) {
    const CommandReply reply = run(typed("sync"));
    EXPECT_EQ(reply.exitStatus, sync_status::refused);
    EXPECT_TRUE(reply.error.contains(QLatin1String("sync --account URL USER"))) << reply.error.toStdString();
    EXPECT_EQ(sync.syncs, 0);
}

TEST_F(SyncCommandsTest, StatusPrintsTheSyncsOwnLine) {
    sync.statusLine = QStringLiteral("Synced at 10:42");
    EXPECT_EQ(run(typed("sync --status")).output, QStringLiteral("Synced at 10:42\n"));
}

TEST_F(SyncCommandsTest, AnAccountIsHandedOnWithItsPasswordAndOffForgetsIt) {
    const Command command = typed(account + QStringLiteral(" --allow-plain-http"));
    EXPECT_EQ(run(command).exitStatus, 0);
    ASSERT_TRUE(sync.kept);
    EXPECT_EQ(*sync.kept, (SyncControl::Account{QUrl(command.address), command.user, true}));
    EXPECT_EQ(sync.lastPassword, command.password);

    EXPECT_EQ(run(typed("sync --off")).exitStatus, 0);
    EXPECT_FALSE(sync.kept);
    EXPECT_TRUE(sync.lastPassword.isEmpty());
}

TEST_F(SyncCommandsTest, AnAccountTurnedDownFailsWithTheSyncsReason) {
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("No calendar at https://dav.example.org/cal/");
    const CommandReply reply = run(typed(account));
    EXPECT_EQ(reply.exitStatus, sync_status::failed);
    EXPECT_EQ(reply.error, QStringLiteral("No calendar at https://dav.example.org/cal/\n"));
    EXPECT_FALSE(sync.kept);
}

TEST_F(SyncCommandsTest, WithoutAKeyringAnAccountIsRefusedAndNothingIsKept) {
    sync.keyring = false;
    const CommandReply reply = run(typed(account));
    EXPECT_EQ(reply.exitStatus, sync_status::refused);
    EXPECT_TRUE(reply.error.contains(QLatin1String("keyring"))) << reply.error.toStdString();
    EXPECT_FALSE(sync.kept);
    EXPECT_TRUE(sync.lastPassword.isEmpty());
}

// The running copy answers a sync once the server has, through the socket a later start waits on.
TEST_F(SyncCommandsTest, TheRunningCopyAnswersASyncOnceItIsDone) {
    TempFolder temp;
    const QString folder = QString::fromStdString(temp.path());
    SingleInstance running(folder);
    ASSERT_TRUE(running.tryLock());
    ASSERT_TRUE(running.listen([this](const SingleInstance::Request& request, SingleInstance::Respond respond) {
        commands.run(Command::fromRequest(request.words, nullptr), [respond](const CommandReply& reply) {
            respond({reply.exitStatus, reply.output, reply.error, {}});
        });
    }));
    const auto ask = [&folder](const Command& command) {
        auto later = std::async(std::launch::async, [folder, words = command.toRequest()] {
            return instance_client::ask(instance_client::socketPath(folder), words, {}, 20s);
        });
        EXPECT_TRUE(waitUntil([&later] { return later.wait_for(0s) == std::future_status::ready; }, 20000));
        return later.get().answer.value_or(instance_protocol::Answer{-1, {}, {}});
    };

    // An account taken is synced at once, and answered with what that sync did.
    sync.nextReport = {SyncOutcome::Ok, {2, 0, 0, 0, 0, 0}, {}};
    const auto taken = ask(typed(account));
    EXPECT_EQ(taken.exitStatus, 0);
    EXPECT_TRUE(taken.output.endsWith(QStringLiteral("2 added here\n"))) << taken.output.toStdString();
    EXPECT_EQ(sync.lastPassword, QStringLiteral("s3cret"));
    sync.nextReport = {SyncOutcome::Ok, {0, 0, 0, 1, 0, 0}, {}};
    const auto answer = ask(typed("sync"));
    EXPECT_EQ(answer.output, QStringLiteral("1 added on the server\n"));
    EXPECT_EQ(sync.syncs, 2);
}
} // namespace
