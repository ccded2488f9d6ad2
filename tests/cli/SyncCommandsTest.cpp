// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommands.h"
#include "CommandLine.h"
#include "MemorySyncControl.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
using Sync = Command::Sync;

// The command as typed, the password as read from standard input.
Command typed(const QString& words) {
    Command command = parseCommandLine(QStringList{"redizado"} + words.split(QLatin1Char(' '))).command;
    command.password = command.sync == Sync::account ? QStringLiteral("s3cret") : QString();
    return command;
}

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

    MemorySyncControl sync;
    SyncCommands commands{sync};
};

// Scripts tell these apart by the exit status alone.
TEST_F(SyncCommandsTest, ASyncSaysWhatChangedOrWhyNotWithItsOwnStatus) {
    sync.kept = SyncControl::Account{QUrl(QStringLiteral("https://dav.example.org/")), "al", false};
    const struct {
        SyncReport report;
        int status;
        const char* output;
        const char* error; // a part of it
    } rows[] = {
        {{SyncOutcome::Ok, {2, 1, 0, 3, 0, 0}, {}}, 0, "2 added here, 1 changed here, 3 added on the server\n", ""},
        {{SyncOutcome::WrongCredentials, {}, "HTTP 401"},
         sync_status::wrongPassword,
         "",
         "(HTTP 401); set them again with: redizado sync --account"},
        {{SyncOutcome::RetryLater, {}, {}}, sync_status::tryLater, "", "try again later"},
        {{SyncOutcome::Refused, {}, "certificate \x1b[2J"}, sync_status::refused, "", "certificate \\x1b[2J"},
        {{SyncOutcome::Malformed, {0, 0, 0, 0, 1, 0}, "task 7"},
         sync_status::failed,
         "1 changed on the server\n",
         "could not be read"}};
    for (const auto& row : rows) {
        sync.nextReport = row.report;
        const CommandReply reply = run(typed("sync"));
        EXPECT_EQ(reply.exitStatus, row.status) << reply.error.toStdString();
        EXPECT_EQ(reply.output, QString::fromUtf8(row.output));
        EXPECT_TRUE(reply.error.contains(QString::fromUtf8(row.error))) << reply.error.toStdString();
        EXPECT_EQ(reply.error.isEmpty(), row.status == 0);
    }
}

// An account taken is synced at once, so that the command ends with the lists agreed.
TEST_F(SyncCommandsTest, AnAccountIsTakenWithItsPasswordAndSyncedAtOnce) {
    const Command command =
        typed(QStringLiteral("sync --account https://dav.example.org/cal/ alice --allow-plain-http"));
    EXPECT_EQ(run(command).exitStatus, 0);
    ASSERT_TRUE(sync.kept);
    EXPECT_EQ(*sync.kept, (SyncControl::Account{QUrl(command.address), command.user, true}));
    EXPECT_EQ(sync.lastPassword, command.password);
    EXPECT_EQ(sync.syncs, 1);
}
} // namespace
