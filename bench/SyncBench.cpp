// SPDX-License-Identifier: GPL-3.0-or-later
// A sync with a calendar of 10,000 tasks on a server of the bench's own: the first one, into an empty list, one into a
// list that holds the tasks but with the sync's state gone (an account entered anew), one after a single task changed
// and one with nothing changed. The figure is this process's CPU time (the server runs in a process of its own) from
// the start of the run to its end; its anchor is the one request every sync makes, asking for the calendar's token.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "RadicaleServer.h"
#include "SyncRun.h"
#include "TempFolder.h"
#include "TextValue.h"

#include <QApplication>
#include <QEventLoop>
#include <memory>

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

QApplication& application();

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");
constexpr int taskCount = 10000;

// The title escaped as iCalendar text: radicale reads a bare comma as the end of the value and keeps only what
// comes before it, so titles that differ only after a comma would all be stored as one and the same task.
std::string taskText(int number, const std::string& title) {
    const std::string uid = "bench-" + std::to_string(number);
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nCREATED:20240101T000000Z\r\nSUMMARY:" + vtodo::escapeText(title) +
           "\r\nDESCRIPTION:set on another device\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

// This process's CPU time over the timed parts, all threads (Qt's network thread among them), as "cpu_ms".
class ProcessCpuTime {
public:
    explicit ProcessCpuTime(benchmark::State& state) : m_state(state) {}
    ~ProcessCpuTime() { m_state.counters["cpu_ms"] = m_timed ? m_spentMs / m_timed : 0.0; }
    template <typename Step> auto time(Step&& step) {
        const double start = nowMs();
        auto result = step();
        m_spentMs += nowMs() - start;
        ++m_timed;
        return result;
    }

private:
    static double nowMs() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }
    benchmark::State& m_state;
    double m_spentMs = 0;
    int m_timed = 0;
};

// A file's inode and modification time: a file written anew is another one.
std::pair<ino_t, long long> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return {0, 0};
    return {status.st_ino, status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

// The calendar, written as files into the server's storage before it starts: 10,000 requests would take long.
class TaskCalendar {
public:
    TaskCalendar() {
        if (!RadicaleServer::installed())
            return;
        const std::filesystem::path folder = m_server.storagePath() + "/collection-root/alice/tasks";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / ".Radicale.props")
            << R"({"C:supported-calendar-component-set": "VTODO", "D:displayname": "Tasks", "tag": "VCALENDAR"})";
        for (int i = 0; i < taskCount; ++i)
            std::ofstream(folder / ("bench-" + std::to_string(i) + ".ics"))
                << taskText(i, "Task number " + std::to_string(i) + " from the other device");
        // The server reads every file on its first look at the calendar, for minutes: not a figure of ours.
        m_ready = m_server.start(user, password) &&
                  m_server.send("PROPFIND", QStringLiteral("/alice/tasks/"), user, password, {}, 20 * 60 * 1000) == 207;
    }
    bool ready() const { return m_ready; }
    CalDavAccount account() const { return {m_server.url(QStringLiteral("/alice/tasks/")), user, password}; }
    bool change(int number, const std::string& title) {
        return m_server.send("PUT", QStringLiteral("/alice/tasks/bench-%1.ics").arg(number), user, password,
                             QByteArray::fromStdString(taskText(number, title))) /
                   100 ==
               2;
    }

private:
    RadicaleServer m_server;
    bool m_ready = false;
};

// A copy of the list that starts empty, stored in a file as the program stores it.
struct Copy {
    TempFolder folder;
    FileUserDefaults defaults{folder.path() + "/defaults.plist"};
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    const std::string preferencesPath = folder.path() + "/defaults.plist";
    const std::string statePath = folder.path() + "/sync.plist";
    // As the program keeps it from one sync to the next.
    SyncStateFile stateFile{statePath};
    int requests = 0;

    SyncReport sync(const CalDavAccount& account) {
        SyncRun run(account, manager, stateFile);
        SyncReport report{SyncOutcome::RetryLater, {}, QStringLiteral("never finished")};
        QEventLoop loop;
        QObject::connect(&run, &SyncRun::finished, [&](const SyncReport& finished) {
            report = finished;
            loop.quit();
        });
        run.start();
        loop.exec();
        requests = run.client().requestsSent();
        return report;
    }
};

// Shared by the benchmarks, and made once: it takes minutes.
TaskCalendar& taskCalendar() {
    static TaskCalendar calendar;
    return calendar;
}

// The calendar of the benchmarks, or none when it cannot be had, which the benchmark is told.
TaskCalendar* readyCalendar(benchmark::State& state) {
    application();
    TaskCalendar& calendar = taskCalendar();
    if (calendar.ready())
        return &calendar;
    state.SkipWithError("radicale is not installed or would not start");
    return nullptr;
}

// A copy that has synced with the calendar once, or none after telling the benchmark why.
std::unique_ptr<Copy> syncedCopy(benchmark::State& state, TaskCalendar& calendar) {
    auto copy = std::make_unique<Copy>();
    if (copy->sync(calendar.account()).outcome == SyncOutcome::Ok)
        return copy;
    state.SkipWithError("the first sync failed");
    return nullptr;
}

void SyncFirst10000Tasks(benchmark::State& state) {
    TaskCalendar* ready = readyCalendar(state);
    if (!ready)
        return;
    TaskCalendar& calendar = *ready;
    ProcessCpuTime cpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<Copy>();
        state.ResumeTiming();
        const SyncReport report = cpu.time([&] { return copy->sync(calendar.account()); });
        if (report.outcome != SyncOutcome::Ok || copy->manager.redizado().size() != taskCount) {
            state.SkipWithError(("the sync failed: " + report.detail.toStdString()).c_str());
            break;
        }
        state.PauseTiming();
        copy.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(SyncFirst10000Tasks)->Unit(benchmark::kMillisecond)->UseRealTime();

void SyncOneChanged10000Tasks(benchmark::State& state) {
    TaskCalendar* ready = readyCalendar(state);
    std::unique_ptr<Copy> synced = ready ? syncedCopy(state, *ready) : nullptr;
    if (!synced)
        return;
    TaskCalendar& calendar = *ready;
    Copy& copy = *synced;
    // Counted across repetitions: the server keeps the last title, and the same title again is no change.
    static int changes = 0;
    ProcessCpuTime cpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        const bool changed = calendar.change(0, "Task changed elsewhere, time " + std::to_string(++changes));
        state.ResumeTiming();
        const SyncReport report = cpu.time([&] { return copy.sync(calendar.account()); });
        if (!changed || report.outcome != SyncOutcome::Ok || report.summary.changedHere != 1) {
            const std::string why =
                !changed ? "the server did not take the change"
                : report.outcome != SyncOutcome::Ok
                    ? "the sync failed: " + report.detail.toStdString()
                    : "the sync changed " + std::to_string(report.summary.changedHere) + " items here, not 1";
            state.SkipWithError(why.c_str());
            break;
        }
    }
    state.counters["requests"] = copy.requests;
}
BENCHMARK(SyncOneChanged10000Tasks)->Unit(benchmark::kMillisecond)->UseRealTime();

// Nothing changed here or there: one request, and no file written.
void SyncNothingChanged10000Tasks(benchmark::State& state) {
    TaskCalendar* ready = readyCalendar(state);
    if (!ready)
        return;
    TaskCalendar& calendar = *ready;
    Copy copy;
    // The second sync learns the token that follows any change the first one made.
    if (copy.sync(calendar.account()).outcome != SyncOutcome::Ok ||
        copy.sync(calendar.account()).outcome != SyncOutcome::Ok) {
        state.SkipWithError("the first syncs failed");
        return;
    }
    ProcessCpuTime cpu(state);
    for (auto _ : state) {
        const auto before = std::pair(fileStamp(copy.preferencesPath), fileStamp(copy.statePath));
        const SyncReport report = cpu.time([&] { return copy.sync(calendar.account()); });
        if (report.outcome != SyncOutcome::Ok || report.summary != SyncSummary{}) {
            state.SkipWithError(("the sync failed: " + report.detail.toStdString()).c_str());
            break;
        }
        if (copy.requests != 1 || std::pair(fileStamp(copy.preferencesPath), fileStamp(copy.statePath)) != before) {
            state.SkipWithError(
                ("a sync with nothing to do made " + std::to_string(copy.requests) + " requests or wrote a file")
                    .c_str());
            break;
        }
    }
    state.counters["requests"] = copy.requests;
}
BENCHMARK(SyncNothingChanged10000Tasks)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tasks are here, with their UIDs, but the sync's state is gone: every item is matched to its task again.
void SyncAnew10000Tasks(benchmark::State& state) {
    TaskCalendar* ready = readyCalendar(state);
    std::unique_ptr<Copy> synced = ready ? syncedCopy(state, *ready) : nullptr;
    if (!synced)
        return;
    TaskCalendar& calendar = *ready;
    Copy& copy = *synced;
    ProcessCpuTime cpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(copy.statePath);
        state.ResumeTiming();
        const SyncReport report = cpu.time([&] { return copy.sync(calendar.account()); });
        if (report.outcome != SyncOutcome::Ok || copy.manager.redizado().size() != taskCount) {
            state.SkipWithError(("the sync failed: " + report.detail.toStdString()).c_str());
            break;
        }
    }
}
BENCHMARK(SyncAnew10000Tasks)->Unit(benchmark::kMillisecond)->UseRealTime();

// The anchor: the request no sync goes without, the calendar's token asked for and found unchanged.
void SyncOneRequestFloor(benchmark::State& state) {
    TaskCalendar* ready = readyCalendar(state);
    std::unique_ptr<Copy> synced = ready ? syncedCopy(state, *ready) : nullptr;
    if (!synced)
        return;
    TaskCalendar& calendar = *ready;
    Copy& copy = *synced;
    const SyncState& known = copy.stateFile.load();
    CalDavClient client(calendar.account());
    client.setCalendar(QUrl(QString::fromStdString(known.calendar)));
    ProcessCpuTime cpu(state);
    for (auto _ : state) {
        const bool ok = cpu.time([&] {
            bool answered = false;
            QEventLoop loop;
            client.fetchChanges(QByteArray::fromStdString(known.token),
                                [&](const CalDavResult& result, const CalDavChanges& changes) {
                                    answered = result.ok() && changes.changed.isEmpty();
                                    loop.quit();
                                });
            loop.exec();
            return answered;
        });
        if (!ok) {
            state.SkipWithError("the token was not answered as unchanged");
            break;
        }
    }
}
BENCHMARK(SyncOneRequestFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
