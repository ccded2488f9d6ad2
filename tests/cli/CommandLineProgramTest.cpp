// SPDX-License-Identifier: GPL-3.0-or-later
// The built program from a terminal: its words, its output, its exit status and what it leaves on disk.
#include "FileContents.h"
#include "ScopedEnvironment.h"
#include "SingleInstance.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
struct Outcome {
    int status = -1;
    QString output;
    QString error;
};

class CommandLineProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The error stream is checked: a developer's own logging rules must not add to it.
        qunsetenv("QT_LOGGING_RULES");
    }
    // The event loop runs meanwhile, for a running copy in this process to answer.
    Outcome run(const QStringList& arguments, const QByteArray& input = {},
                const QString& program = QStringLiteral(REDIZADO_PROGRAM)) {
        QProcess process;
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(waitUntil([&process] { return process.state() == QProcess::NotRunning; }, 20000))
            << arguments.join(QLatin1Char(' ')).toStdString();
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    TempFolder temp;
    QString config = QString::fromStdString(temp.path()) + QStringLiteral("/config");
    QString runtime = QString::fromStdString(temp.path()) + QStringLiteral("/run");
    QString store = config + QStringLiteral("/redizado/defaults.plist");
};
} // namespace

TEST_F(CommandLineProgramTest, WithNoCopyRunningAddAndListWorkOnTheStoreAndLeaveNoCopy) {
    EXPECT_EQ(run({"add", "buy milk"}).status, 0);
    const Outcome second = run({"add", QStringLiteral("caf\u00e9\nsecond line")});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.error, QString()) << "the day's backup is no news without --verbose";
    const Outcome list = run({"list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.output, QStringLiteral("caf\u00e9\\nsecond line\nbuy milk\n"));
    EXPECT_TRUE(QDir(runtime).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    // Asked to, it says what it did: the day's copy, made again once the copies are gone.
    QDir(config + QStringLiteral("/redizado/backups")).removeRecursively();
    const Outcome verbose = run({"add", "--verbose", "pay rent"});
    EXPECT_TRUE(verbose.error.contains(QLatin1String("kept today's copy"))) << verbose.error.toStdString();
    // A sync asked with no copy running is answered here, not taken for a copy that did not answer in time.
    const Outcome sync = run({"sync"});
    EXPECT_TRUE(sync.error.contains(QLatin1String("sync is off"))) << sync.error.toStdString();
    // In the user's language, as everything else the command says.
    const ScopedEnvironment german("LC_ALL", "de_DE.UTF-8"), germanFirst("LANGUAGE", "de");
    const Outcome abgleich = run({"sync"});
    EXPECT_TRUE(abgleich.error.contains(QLatin1String("der Abgleich ist aus"))) << abgleich.error.toStdString();
}

TEST_F(CommandLineProgramTest, AStoreThatCannotBeReadIsLeftExactlyAsItIs) {
    const std::string garbage = "<?xml version=\"1.0\"?><plist><dict><key>allRed";
    writeFile(store.toStdString(), garbage);
    for (const QStringList& words : {QStringList{"add", "x"}, QStringList{"list"}, QStringList{"count"}}) {
        const Outcome result = run(words);
        EXPECT_EQ(result.status, 2) << words.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.error.contains(store)) << result.error.toStdString();
    }
    EXPECT_EQ(readFile(store.toStdString()), garbage);
}

// (The bad words themselves are met in the command line's own tests.) Bytes that are not UTF-8 cannot come through
// QProcess's words; the shell passes them on.
TEST_F(CommandLineProgramTest, BadWordsAndWordsThatAreNotUtf8EndWithStatusTwoAndWriteNothing) {
    const Outcome unknown = run({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.error.contains(QLatin1String("redizado --help"))) << unknown.error.toStdString();
    const Outcome bytes = run({QStringLiteral("-c"), QStringLiteral("exec \"$0\" add \"$(printf 'bad \\377')\""),
                               QStringLiteral(REDIZADO_PROGRAM)},
                              {}, QStringLiteral("/bin/sh"));
    EXPECT_EQ(bytes.status, 2);
    EXPECT_TRUE(bytes.error.contains(QLatin1String("not valid UTF-8"))) << bytes.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(config));
}

// The password typed on standard input goes to the running copy with the account, and the copy's later answer is
// the command's: its output, its status and what went wrong, on standard error.
TEST_F(CommandLineProgramTest, AnAccountsPasswordIsReadFromStandardInputAndHandedToTheRunningCopy) {
    SingleInstance running(runtime);
    ASSERT_TRUE(running.tryLock());
    QStringList heard;
    ASSERT_TRUE(running.listen([&heard](const SingleInstance::Request& request, SingleInstance::Respond respond) {
        heard = request.words;
        QTimer::singleShot(0, [respond] {
            respond({3, QStringLiteral("Syncing\n"), QStringLiteral("the server is not answering\n"), {}});
        });
    }));
    const Outcome account =
        run({"sync", "--account", "https://dav.example.org/", "alice"}, "pass w\xc3\xb6rd\nnot this\n");
    EXPECT_EQ(heard.join(QLatin1Char('|')),
              QStringLiteral("sync|--account|https://dav.example.org/|alice|pass w\u00f6rd"));
    EXPECT_EQ(account.status, 3);
    EXPECT_EQ(account.output, QStringLiteral("Syncing\n"));
    EXPECT_EQ(account.error, QStringLiteral("redizado: the server is not answering\n"));
}

// A package that lost the sync's library: each sync command answers and says why, and turning sync off still
// forgets the account.
TEST_F(CommandLineProgramTest, WithoutTheSyncLibraryEverySyncCommandAnswersAndOffForgetsTheAccount) {
    const QString folder = QString::fromStdString(temp.path()) + QStringLiteral("/bin");
    QDir().mkpath(folder);
    const QString built = QFileInfo(QStringLiteral(REDIZADO_PROGRAM)).absolutePath() + QLatin1Char('/');
    for (const QString file : {"redizado", "redizado-program.so", "redizado-core.so", "redizado-items.so"})
        ASSERT_TRUE(QFile::copy(built + file, folder + QLatin1Char('/') + file)) << file.toStdString();
    // Ahead of the build folder the program was linked to look in.
    const ScopedEnvironment libraries("LD_LIBRARY_PATH", folder.toStdString());
    writeFile(store.toStdString(), "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>SyncServerAddress</key>"
                                   "<string>https://dav.example.org/</string><key>SyncUserName</key><string>alice"
                                   "</string></dict></plist>");
    const QString program = folder + QStringLiteral("/redizado");
    for (const auto& [words, input] : std::vector<std::pair<QStringList, QByteArray>>{
             {{"sync"}, {}},
             {{"sync", "--account", "https://dav.example.org/", "bob"}, "secret\n"},
             {{"sync", "--off"}, {}}}) {
        const Outcome outcome = run(words, input, program);
        EXPECT_NE(outcome.status, 0) << words.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(outcome.error.contains(QLatin1String("Sync is not available"))) << outcome.error.toStdString();
    }
    EXPECT_EQ(readFile(store.toStdString()).find("dav.example.org"), std::string::npos);
}
