// SPDX-License-Identifier: GPL-3.0-or-later
// The command people type. A command for the running copy goes straight to its socket from this small program,
// which links Qt's core alone; anything else (becoming the tray program, the store with no copy running, help)
// is the whole program's, loaded into this same process so that it still runs as this file.
#include "CommandLine.h"
#include "InstanceClient.h"
#include "PasswordInput.h"
#include "SyncCommands.h"
#include "Translations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QUrl>

#include <chrono>
#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {
// As long as the whole program waits for a copy that is still starting.
constexpr auto startingCopyPatience = std::chrono::seconds(10);
// A first sync of a big calendar over a slow line takes minutes.
constexpr auto syncPatience = std::chrono::minutes(15);
constexpr const char* programModule = "redizado-program.so";
// The item commands alone, with no copy running: the store without the desktop's libraries.
constexpr const char* itemsModule = "redizado-items.so";

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// This small program makes no application while it only talks to the running copy; its few messages get one, with
// the user's translations, for as long as they are made. The whole program makes its own later.
template <class Make> auto inUsersLanguage(int& argc, char** argv, Make make) {
    QCoreApplication app(argc, argv);
    translations::installForUser(app);
    return make();
}

std::string ownFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    const std::string self(path, size_t(n));
    return self.substr(0, self.rfind('/'));
}

// Beside this program in the build tree, in the library folder once installed; both found from where this
// program is, so an unpacked package runs too. Nothing, with the reason printed, when it cannot be loaded.
void* moduleEntry(const char* moduleName, const char* name, int& argc, char** argv) {
    const std::string folder = ownFolder();
    void* module = nullptr;
    std::string tried;
    for (const std::string& candidate :
         {folder + '/' + moduleName, folder + '/' + REDIZADO_MODULE_FROM_BINDIR + '/' + moduleName}) {
        module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module)
            break;
        tried += std::string("\n  ") + ::dlerror();
    }
    void* entry = module ? ::dlsym(module, name) : nullptr;
    if (!entry)
        inUsersLanguage(argc, argv, [&] {
            //: %1 is the loader's reasons, one indented line each
            print(stderr,
                  QStringLiteral("redizado: ") +
                      QCoreApplication::translate("CommandMain", "the program's own library cannot be loaded:%1")
                          .arg(QString::fromLocal8Bit(tried)) +
                      QLatin1Char('\n'));
        });
    return entry;
}

int runWholeProgram(int argc, char** argv) {
    using Main = int (*)(int, char**);
    const auto programMain = reinterpret_cast<Main>(moduleEntry(programModule, "redizadoProgramMain", argc, argv));
    return programMain ? programMain(argc, argv) : 1;
}

// With no copy running the sync runs in this process; the request carries the password already read.
int syncInWholeProgram(int argc, char** argv, const QStringList& request) {
    using SyncHere = int (*)(int, char**, const QStringList*);
    const auto syncHere = reinterpret_cast<SyncHere>(moduleEntry(programModule, "redizadoSyncHere", argc, argv));
    return syncHere ? syncHere(argc, argv, &request) : 1;
}

// What the running copy said, printed as the command's own.
int finish(const instance_protocol::Answer& answer) {
    print(stdout, answer.output);
    if (!answer.error.isEmpty())
        print(stderr, QStringLiteral("redizado: ") + answer.error);
    return answer.exitStatus;
}

// A sync runs in the tray program when one runs, and waits for the server's answer there; else here.
int runSync(int argc, char** argv, Command command) {
    if (command.sync == Command::Sync::account) {
        const QUrl address(command.address);
        const PasswordInput input = inUsersLanguage(argc, argv, [&] {
            return readPassword(STDIN_FILENO, STDERR_FILENO,
                                //: %1 is the user name, %2 the server
                                QCoreApplication::translate("CommandMain", "Password for %1 at %2: ")
                                    .arg(command.user, address.host(QUrl::FullyDecoded)));
        });
        if (!input.error.isEmpty()) {
            print(stderr, QStringLiteral("redizado: %1\n").arg(input.error));
            return 2;
        }
        command.password = input.password;
    }
    const QString folder = instance_client::defaultFolder();
    const auto outcome = instance_client::ask(instance_client::socketPath(folder), command.toRequest(),
                                              qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), syncPatience);
    if (outcome.answer)
        return finish(*outcome.answer);
    if (outcome.noCopy)
        return syncInWholeProgram(argc, argv, command.toRequest());
    const auto minutes = int(std::chrono::minutes(syncPatience).count());
    inUsersLanguage(argc, argv, [&] {
        print(stderr, QStringLiteral("redizado: ") +
                          QCoreApplication::translate("CommandMain",
                                                      "the running copy did not finish within %n minute(s); it may "
                                                      "still be syncing (see redizado sync --status)",
                                                      nullptr, minutes) +
                          QLatin1Char('\n'));
    });
    return sync_status::tryLater;
}
} // namespace

int main(int argc, char** argv) {
    QString badArgument;
    const QStringList arguments = decodeArguments(argc, argv, &badArgument);
    const ParsedCommandLine parsed = badArgument.isEmpty() ? parseCommandLine(arguments) : ParsedCommandLine{};
    const Command::Verb verb = parsed.command.verb;
    const bool good = badArgument.isEmpty() && parsed.error.isEmpty();
    if (good && verb == Command::Verb::sync)
        return runSync(argc, argv, parsed.command);
    if (good && verb != Command::Verb::help && verb != Command::Verb::version) {
        const QString folder = instance_client::defaultFolder();
        const auto outcome = instance_client::ask(instance_client::socketPath(folder), parsed.command.toRequest(),
                                                  qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), startingCopyPatience);
        if (outcome.answer)
            return finish(*outcome.answer);
        // Taken but never answered: sending it again could add an item twice.
        if (!outcome.noCopy) {
            inUsersLanguage(argc, argv, [&] {
                //: %1 is the lock file's path
                print(stderr,
                      QStringLiteral("redizado: ") +
                          QCoreApplication::translate("CommandMain", "another copy holds %1 but does not answer")
                              .arg(instance_client::lockPath(folder)) +
                          QLatin1Char('\n'));
            });
            return 1;
        }
        if (parsed.command.onItemsAlone()) {
            using ItemsHere = int (*)(int, char**);
            const auto itemsHere =
                reinterpret_cast<ItemsHere>(moduleEntry(itemsModule, "redizadoItemsHere", argc, argv));
            return itemsHere ? itemsHere(argc, argv) : 1;
        }
    }
    return runWholeProgram(argc, argv);
}
