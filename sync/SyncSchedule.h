// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncReport.h"

#include <chrono>
#include <optional>

// How long each wait is; tests shorten them.
struct SyncTimetable {
    std::chrono::milliseconds panelShownGap = std::chrono::minutes(1);
    std::chrono::milliseconds changeBatch = std::chrono::seconds(5);
    std::chrono::milliseconds period = std::chrono::minutes(5);
    std::chrono::milliseconds firstRetry = std::chrono::seconds(30);
    std::chrono::milliseconds longestRetry = std::chrono::minutes(30);
};

// When the next automatic sync is due, from what happened and when: at start, when the panel shows (not more than
// once a minute), a few seconds after the last local change, every few minutes, and after a failure with a growing
// back-off. Time is what the caller says it is, so the rules can be checked without waiting.
class SyncSchedule final {
public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::milliseconds;

    using Timetable = SyncTimetable;

    explicit SyncSchedule(Timetable timetable = {}) : m_timetable(timetable) {}

    // A sync at once: the program started, the account changed, or the network came back.
    void syncSoon(Clock::time_point now);
    void panelShown(Clock::time_point now);
    void changedHere(Clock::time_point now);
    // Off line nothing is due; back on line, a sync at once, a retry included.
    void setOnline(bool online, Clock::time_point now);

    // What was asked for until now is what the starting sync does.
    void syncStarted(Clock::time_point now);
    void syncFinished(SyncOutcome outcome, Clock::time_point now);
    // A new account, or the same one entered again: what held the syncs back is forgotten.
    void accountChanged();

    // Nothing: no automatic sync until something above changes that (off line, or an answer retrying cannot mend).
    std::optional<Clock::time_point> nextSync() const;
    bool retrying() const { return m_retryAt.has_value(); }
    bool online() const { return m_online; }

private:
    Timetable m_timetable;
    std::optional<Clock::time_point> m_asked;
    std::optional<Clock::time_point> m_changeDue;
    std::optional<Clock::time_point> m_periodDue;
    std::optional<Clock::time_point> m_retryAt;
    std::optional<Clock::time_point> m_lastStarted;
    Duration m_backOff{0};
    bool m_stopped = false;
    bool m_online = true;
};
