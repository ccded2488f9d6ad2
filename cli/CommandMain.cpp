// SPDX-License-Identifier: GPL-3.0-or-later
// The command people type. A command for the running copy goes straight to its socket from this small program,
// which links Qt's core alone; anything else (becoming the tray program, the store with no copy running, help)
// is the whole program's, loaded into this same process so that it still runs as this file.
#include "CommandLine.h"
#include "InstanceClient.h"
#include "PasswordInput.h"
#include "SyncCommands.h"

#include <QByteArray>
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
void* moduleEntry(const char* moduleName, const char* name) {
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
        std::fprintf(stderr, "redizado: the program's own library cannot be loaded:%s\n", tried.c_str());
    return entry;
}

int runWholeProgram(int argc, char** argv) {
    using Main = int (*)(int, char**);
    const auto programMain = reinterpret_cast<Main>(moduleEntry(programModule, "redizadoProgramMain"));
    return programMain ? programMain(argc, argv) : 1;
}

// With no copy running the sync runs in this process; the request carries the password already read.
int syncInWholeProgram(int argc, char** argv, const QStringList& request) {
    using SyncHere = int (*)(int, char**, const QStringList*);
    const auto syncHere = reinterpret_cast<SyncHere>(moduleEntry(programModule, "redizadoSyncHere"));
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
        const PasswordInput input =
            readPassword(STDIN_FILENO, STDERR_FILENO,
                         QStringLiteral("Password for %1 at %2: ").arg(command.user, address.host(QUrl::FullyDecoded)));
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
    print(stderr, QStringLiteral("redizado: the running copy did not finish within %1 minutes; it may still be "
                                 "syncing (see redizado sync --status)\n")
                      .arg(std::chrono::minutes(syncPatience).count()));
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
            print(stderr, QStringLiteral("redizado: another copy holds %1 but does not answer\n")
                              .arg(instance_client::lockPath(folder)));
            return 1;
        }
        if (parsed.command.onItemsAlone()) {
            using ItemsHere = int (*)(int, char**);
            const auto itemsHere = reinterpret_cast<ItemsHere>(moduleEntry(itemsModule, "redizadoItemsHere"));
            return itemsHere ? itemsHere(argc, argv) : 1;
        }
    }
    return runWholeProgram(argc, argv);
}
