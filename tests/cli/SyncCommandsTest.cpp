// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommands.h"
#include "CommandLine.h"
#include "MemorySyncControl.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
// The command's one answer.
CommandReply answerTo(SyncCommands& commands, const QStringList& words) {
    std::optional<CommandReply> reply;
    commands.run(Command::fromRequest(words, nullptr), [&reply](const CommandReply& answer) {
        EXPECT_FALSE(reply) << "answered twice";
        reply = answer;
    });
    EXPECT_TRUE(waitUntil([&reply] { return reply.has_value(); }));
    return reply.value_or(CommandReply{});
}

// Scripts tell these apart by the exit status alone, after a sync and from its status.
TEST(SyncCommandsTest, ASyncSaysWhatChangedOrWhyNotWithItsOwnStatus) {
    MemorySyncControl sync;
    sync.kept = SyncControl::Account{QUrl(QStringLiteral("https://dav.example.org/")), "al", false};
    SyncCommands commands{sync};
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
         "could not be read"},
        {{SyncOutcome::Ok, {0, 0, 0, 1, 0, 0}, {}, 2, "\"Milk\": HTTP 413"},
         sync_status::failed,
         "1 added on the server\n",
         "turned down 2 items, which stay here and are tried again at the next sync; the first: \"Milk\": HTTP 413"}};
    const QStringList syncWords{"sync"}, statusWords{"sync", "--status"};
    EXPECT_EQ(answerTo(commands, statusWords).exitStatus, 0) << "no sync yet";
    for (const auto& row : rows) {
        sync.nextReport = row.report;
        const CommandReply reply = answerTo(commands, syncWords);
        EXPECT_EQ(reply.exitStatus, row.status) << reply.error.toStdString();
        EXPECT_EQ(reply.output, QString::fromUtf8(row.output));
        EXPECT_TRUE(reply.error.contains(QString::fromUtf8(row.error))) << reply.error.toStdString();
        EXPECT_EQ(reply.error.isEmpty(), row.status == 0);
        // The status ends as the last sync did, also one from before this start.
        sync.lastOne = row.report;
        EXPECT_EQ(answerTo(commands, statusWords).exitStatus, row.status);
    }
}
// An account turned down, or with no keyring to keep its password, leaves sync off with the reason; one taken is
// synced at once and the answer says with whom; "sync --off" forgets it, and "sync" then says how to turn it on.
TEST(SyncCommandsTest, AnAccountIsTakenAndSyncedAtOnceOrTurnedDownWithItsReason) {
    MemorySyncControl sync;
    SyncCommands commands{sync};
    const QStringList account{"sync", "--account", "https://dav.example.org/", "al", "secret"};
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("Wrong user name or password for al at dav.example.org");
    CommandReply reply = answerTo(commands, account);
    EXPECT_EQ(reply.exitStatus, sync_status::failed);
    EXPECT_TRUE(reply.error.startsWith(sync.turnOnMessage)) << reply.error.toStdString();
    sync.keyring = false;
    sync.turnOnSucceeds = true;
    reply = answerTo(commands, account);
    EXPECT_EQ(reply.exitStatus, sync_status::refused);
    EXPECT_TRUE(reply.error.startsWith(QStringLiteral("no keyring"))) << reply.error.toStdString();
    EXPECT_FALSE(sync.kept.has_value());
    EXPECT_EQ(sync.syncs, 0);

    sync.keyring = true;
    sync.turnOnMessage.clear();
    sync.nextReport = {SyncOutcome::Ok, {1, 0, 0, 0, 0, 0}, {}};
    reply = answerTo(commands, account);
    EXPECT_EQ(reply.exitStatus, 0) << reply.error.toStdString();
    EXPECT_EQ(reply.output, QStringLiteral("Syncing with https://dav.example.org/ as al\n1 added here\n"));
    EXPECT_EQ(sync.lastPassword, QStringLiteral("secret"));
    EXPECT_EQ(sync.syncs, 1);

    reply = answerTo(commands, {"sync", "--off"});
    EXPECT_EQ(reply.output, QStringLiteral("Sync is off; the items stay as they are\n"));
    EXPECT_FALSE(sync.kept.has_value());
    reply = answerTo(commands, {"sync"});
    EXPECT_EQ(reply.exitStatus, sync_status::refused);
    EXPECT_TRUE(reply.error.endsWith(QStringLiteral("turn it on with: redizado sync --account URL USER\n")))
        << reply.error.toStdString();
}
} // namespace
