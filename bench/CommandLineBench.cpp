// SPDX-License-Identifier: GPL-3.0-or-later
// `redizado add` with a copy running, and with none (the command then stores the item itself): from the command's
// start until it exits, by when the item is stored; beside starting `true`, the floor of any command, and `true` with
// one small durable write, the floor of a command that stores.
#include "AtomicFileWriter.h"
#include "FileUserDefaults.h"
#include "PreferencesKeys.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {
using namespace plist_value;

// Starts a program with the given words and waits for its end; its exit status, or -1.
int runToEnd(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const auto& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The runtime folder on a memory file system, as a desktop's is (/run/user/ID): its lock file's sync to disk is
// not paid there, and would be a cost of this machine's disk, not of the command.
TempFolder runtimeFolder() {
    return std::filesystem::is_directory("/dev/shm") ? TempFolder("/dev/shm") : TempFolder();
}

// The tray program on no display, over a store of a given number of items, in folders of its own.
class RunningCopy {
public:
    explicit RunningCopy(int items) {
        const std::string config = m_folder.path() + "/config";
        const std::string& runtime = m_runtime.path();
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        FileUserDefaults store(config + "/redizado/defaults.plist");
        Array list;
        for (int i = 0; i < items; ++i)
            list.emplace_back(
                Dictionary{{keys::jotlingTitle, Value("Item number " + std::to_string(i) + " to buy soon")},
                           {keys::jotlingCreatedDate, Value(makeDate(1.7e9 + i))},
                           {keys::jotlingChecked, Value(false)}});
        store.setObject(keys::allRedizado, Value(std::move(list)));
        store.synchronize();

        char* argv[] = {const_cast<char*>(REDIZADO_PROGRAM), nullptr};
        ::posix_spawn(&m_pid, REDIZADO_PROGRAM, nullptr, nullptr, argv, environ);
        for (int i = 0; i < 400 && !std::filesystem::exists(runtime + "/redizado.socket"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        m_ready = std::filesystem::exists(runtime + "/redizado.socket");
    }
    ~RunningCopy() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool ready() const { return m_ready; }

private:
    TempFolder m_folder;
    TempFolder m_runtime = runtimeFolder();
    pid_t m_pid = 0;
    bool m_ready = false;
};

void CommandLineAddToRunningCopy(benchmark::State& state) {
    RunningCopy copy(static_cast<int>(state.range(0)));
    if (!copy.ready()) {
        state.SkipWithError("the program did not start");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        if (runToEnd({REDIZADO_PROGRAM, "add", "from the command line " + std::to_string(n++)}) != 0) {
            state.SkipWithError("redizado add failed");
            return;
        }
    }
}
BENCHMARK(CommandLineAddToRunningCopy)->Arg(0)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// With no copy running, over a store that starts empty, in folders of its own.
void CommandLineAddNoCopy(benchmark::State& state) {
    TempFolder folder;
    const std::string config = folder.path() + "/config";
    TempFolder runtimeHolder = runtimeFolder();
    const std::string& runtime = runtimeHolder.path();
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    int n = 0;
    for (auto _ : state) {
        if (runToEnd({REDIZADO_PROGRAM, "add", "from the command line " + std::to_string(n++)}) != 0) {
            state.SkipWithError("redizado add failed");
            return;
        }
    }
}
BENCHMARK(CommandLineAddNoCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

void CommandLineTrue(benchmark::State& state) {
    for (auto _ : state)
        runToEnd({"true"});
}
BENCHMARK(CommandLineTrue)->Unit(benchmark::kMillisecond)->UseRealTime();

// The least a command that stores an item can take on this disk: starting `true`, then one small file written by
// the store's own writer (its data and its folder synced to disk).
void CommandLineDurableFloor(benchmark::State& state) {
    TempFolder folder;
    const std::string target = folder.path() + "/defaults.plist";
    const std::string text(1024, 'x');
    const AtomicFileWriter writer;
    for (auto _ : state) {
        runToEnd({"true"});
        std::string why;
        if (!writer.replace(target, text, 0600, &why)) {
            state.SkipWithError(why.c_str());
            return;
        }
    }
}
BENCHMARK(CommandLineDurableFloor)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
