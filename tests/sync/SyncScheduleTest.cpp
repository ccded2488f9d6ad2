// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSchedule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = SyncSchedule::Clock;

enum class Happens { Soon, Panel, Change, Begin, Ok, Retry, Wrong, Account, Offline, Online };

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
        events.insert(events.end(), {{Happens::Begin, run * 3600}, {Happens::Retry, run * 3600}});
    return events;
}

const Clock::time_point start{};

void apply(SyncSchedule& schedule, const Event& event) {
    const Clock::time_point now = start + std::chrono::seconds(event.atSecond);
    switch (event.what) {
    case Happens::Soon:
        return schedule.syncSoon(now);
    case Happens::Panel:
        return schedule.panelShown(now);
    case Happens::Change:
        return schedule.changedHere(now);
    case Happens::Begin:
        return schedule.syncStarted(now);
    case Happens::Ok:
        return schedule.syncFinished(SyncOutcome::Ok, now);
    case Happens::Retry:
        return schedule.syncFinished(SyncOutcome::RetryLater, now);
    case Happens::Wrong:
        return schedule.syncFinished(SyncOutcome::WrongCredentials, now);
    case Happens::Account:
        return schedule.accountChanged();
    case Happens::Offline:
        return schedule.setOnline(false, now);
    case Happens::Online:
        return schedule.setOnline(true, now);
    }
}

class SyncScheduleRules : public ::testing::TestWithParam<Rule> {};

TEST_P(SyncScheduleRules, NextSync) {
    SyncSchedule schedule;
    for (const Event& event : GetParam().events)
        apply(schedule, event);
    const auto next = schedule.nextSync();
    if (!GetParam().nextAtSecond) {
        EXPECT_FALSE(next.has_value());
        return;
    }
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(*next - start).count(), *GetParam().nextAtSecond);
}

using H = Happens;
const Rule rules[] = {
    {"PanelShownWithinAMinuteOfASyncWaitsForThePeriod", {{H::Begin, 0}, {H::Ok, 1}, {H::Panel, 59}}, 301},
    {"PanelShownAMinuteAfterASync", {{H::Begin, 0}, {H::Ok, 1}, {H::Panel, 60}}, 60},
    {"ChangeWaitsForTheBatch", {{H::Change, 10}}, 15},
    {"ChangeDuringARunSyncsAfterIt", {{H::Begin, 0}, {H::Change, 1}, {H::Ok, 2}}, 6},
    {"TheStartingSyncTakesWhatWasAsked", {{H::Soon, 0}, {H::Change, 0}, {H::Begin, 1}}, std::nullopt},
    {"BackOffDoubles", {{H::Begin, 0}, {H::Retry, 2}, {H::Begin, 32}, {H::Retry, 33}}, 93},
    {"BackOffStopsGrowingAtHalfAnHour", failingRuns(12), 11 * 3600 + 1800},
    {"SuccessResetsTheBackOff",
     {{H::Begin, 0}, {H::Retry, 2}, {H::Begin, 32}, {H::Ok, 33}, {H::Begin, 400}, {H::Retry, 401}},
     431},
    {"BackOffHoldsBackLocalChanges", {{H::Begin, 0}, {H::Retry, 2}, {H::Change, 3}}, 32},
    {"WrongPasswordStopsAutomaticSyncs", {{H::Begin, 0}, {H::Wrong, 1}, {H::Change, 2}, {H::Panel, 100}}, std::nullopt},
    {"ANewAccountSyncsAgain", {{H::Begin, 0}, {H::Wrong, 1}, {H::Account, 2}, {H::Soon, 2}}, 2},
    {"AnAskedSyncThatWorksResumesTheTimetable", {{H::Begin, 0}, {H::Wrong, 1}, {H::Begin, 50}, {H::Ok, 51}}, 351},
    {"OffLineWaits", {{H::Offline, 0}, {H::Change, 1}, {H::Soon, 2}}, std::nullopt},
    {"BackOnLineSyncsAtOnce", {{H::Begin, 0}, {H::Ok, 1}, {H::Offline, 2}, {H::Online, 10}}, 10},
};

INSTANTIATE_TEST_SUITE_P(Timetable, SyncScheduleRules, ::testing::ValuesIn(rules),
                         [](const ::testing::TestParamInfo<Rule>& info) { return std::string(info.param.name); });

} // namespace
