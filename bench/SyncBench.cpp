// SPDX-License-Identifier: GPL-3.0-or-later
// A sync with a calendar of 10,000 tasks on a server of the bench's own: the first one, into an empty list, and one
// after a single task changed. Wall time, server included, from the start of the run to its end.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "RadicaleServer.h"
#include "SyncRun.h"
#include "TempFolder.h"

#include <QApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

QApplication& application();

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("secret");
constexpr int taskCount = 10000;

std::string taskText(int number, const std::string& title) {
    const std::string uid = "bench-" + std::to_string(number);
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nCREATED:20240101T000000Z\r\nSUMMARY:" + title +
           "\r\nDESCRIPTION:set on another device\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
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
    const std::string statePath = folder.path() + "/sync.plist";

    SyncReport sync(const CalDavAccount& account) {
        SyncRun run(account, manager, statePath);
        SyncReport report{SyncOutcome::RetryLater, {}, QStringLiteral("never finished")};
        QEventLoop loop;
        QObject::connect(&run, &SyncRun::finished, [&](const SyncReport& finished) {
            report = finished;
            loop.quit();
        });
        run.start();
        loop.exec();
        return report;
    }
};

// Shared by the benchmarks, and made once: it takes minutes.
TaskCalendar& taskCalendar() {
    static TaskCalendar calendar;
    return calendar;
}

void SyncFirst10000Tasks(benchmark::State& state) {
    application();
    TaskCalendar& calendar = taskCalendar();
    if (!calendar.ready()) {
        state.SkipWithError("radicale is not installed or would not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<Copy>();
        state.ResumeTiming();
        const SyncReport report = copy->sync(calendar.account());
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
    application();
    TaskCalendar& calendar = taskCalendar();
    if (!calendar.ready()) {
        state.SkipWithError("radicale is not installed or would not start");
        return;
    }
    Copy copy;
    if (copy.sync(calendar.account()).outcome != SyncOutcome::Ok) {
        state.SkipWithError("the first sync failed");
        return;
    }
    int changes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool changed = calendar.change(0, "Task changed elsewhere, time " + std::to_string(++changes));
        state.ResumeTiming();
        const SyncReport report = copy.sync(calendar.account());
        if (!changed || report.outcome != SyncOutcome::Ok || report.summary.changedHere != 1) {
            state.SkipWithError(("the sync failed: " + report.detail.toStdString()).c_str());
            break;
        }
    }
}
BENCHMARK(SyncOneChanged10000Tasks)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
