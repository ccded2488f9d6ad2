// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSchedule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using At = SyncSchedule::Clock::time_point;

// Something that happens to the timetable, at a given moment.
using Happens = void (*)(SyncSchedule&, At);
const Happens Soon = [](SyncSchedule& s, At now) { s.syncSoon(now); };
const Happens Panel = [](SyncSchedule& s, At now) { s.panelShown(now); };
const Happens Change = [](SyncSchedule& s, At now) { s.changedHere(now); };
const Happens Begin = [](SyncSchedule& s, At now) { s.syncStarted(now); };
const Happens Ok = [](SyncSchedule& s, At now) { s.syncFinished(SyncOutcome::Ok, now); };
const Happens Retry = [](SyncSchedule& s, At now) { s.syncFinished(SyncOutcome::RetryLater, now); };
const Happens Wrong = [](SyncSchedule& s, At now) { s.syncFinished(SyncOutcome::WrongCredentials, now); };
const Happens Account = [](SyncSchedule& s, At) { s.accountChanged(); };
const Happens Offline = [](SyncSchedule& s, At now) { s.setOnline(false, now); };
const Happens Online = [](SyncSchedule& s, At now) { s.setOnline(true, now); };

struct Event {
    Happens what;
    int atSecond;
};

struct Rule {
    const char* name;
    std::vector<Event> events;
    std::optional<int> nextAtSecond; // nothing: no automatic sync is due
};

std::vector<Event> failingRuns(int count) {
    std::vector<Event> events;
    for (int run = 0; run < count; ++run) // an hour apart: past any back-off
        events.insert(events.end(), {{Begin, run * 3600}, {Retry, run * 3600}});
    return events;
}

const Rule rules[] = {
    {"PanelShownWithinAMinuteOfASyncWaitsForThePeriod", {{Begin, 0}, {Ok, 1}, {Panel, 59}}, 301},
    {"PanelShownAMinuteAfterASync", {{Begin, 0}, {Ok, 1}, {Panel, 60}}, 60},
    {"ChangeWaitsForTheBatch", {{Change, 10}}, 15},
    {"ChangeDuringARunSyncsAfterIt", {{Begin, 0}, {Change, 1}, {Ok, 2}}, 6},
    {"TheStartingSyncTakesWhatWasAsked", {{Soon, 0}, {Change, 0}, {Begin, 1}}, std::nullopt},
    {"BackOffDoubles", {{Begin, 0}, {Retry, 2}, {Begin, 32}, {Retry, 33}}, 93},
    {"BackOffStopsGrowingAtHalfAnHour", failingRuns(12), 11 * 3600 + 1800},
    {"SuccessResetsTheBackOff", {{Begin, 0}, {Retry, 2}, {Begin, 32}, {Ok, 33}, {Begin, 400}, {Retry, 401}}, 431},
    {"BackOffHoldsBackLocalChanges", {{Begin, 0}, {Retry, 2}, {Change, 3}}, 32},
    {"WrongPasswordStopsAutomaticSyncs", {{Begin, 0}, {Wrong, 1}, {Change, 2}, {Panel, 100}}, std::nullopt},
    {"ANewAccountSyncsAgain", {{Begin, 0}, {Wrong, 1}, {Account, 2}, {Soon, 2}}, 2},
    {"ANewAccountForgetsTheOldOnesBackOff", {{Begin, 0}, {Retry, 1}, {Account, 2}, {Soon, 2}}, 2},
    {"AnAskedSyncThatWorksResumesTheTimetable", {{Begin, 0}, {Wrong, 1}, {Begin, 50}, {Ok, 51}}, 351},
    {"OffLineWaits", {{Offline, 0}, {Change, 1}, {Soon, 2}}, std::nullopt},
    {"BackOnLineSyncsAtOnce", {{Begin, 0}, {Ok, 1}, {Offline, 2}, {Online, 10}}, 10},
    {"BackOnLineEndsTheBackOffWait", {{Begin, 0}, {Retry, 1}, {Offline, 2}, {Online, 10}}, 10},
};

TEST(SyncSchedule, NextSyncFollowsTheRules) {
    const At start{};
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.name);
        SyncSchedule schedule;
        for (const Event& event : rule.events)
            event.what(schedule, start + std::chrono::seconds(event.atSecond));
        std::optional<int> nextAtSecond;
        if (const auto next = schedule.nextSync())
            nextAtSecond = int(std::chrono::duration_cast<std::chrono::seconds>(*next - start).count());
        EXPECT_EQ(nextAtSecond, rule.nextAtSecond);
    }
}

} // namespace
