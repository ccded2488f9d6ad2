// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSchedule.h"

#include <algorithm>

namespace {
using TimePoint = SyncSchedule::Clock::time_point;

void keepEarliest(std::optional<TimePoint>& due, std::optional<TimePoint> candidate) {
    if (candidate && (!due || *candidate < *due))
        due = candidate;
}
} // namespace

void SyncSchedule::syncSoon(Clock::time_point now) {
    keepEarliest(m_asked, now);
}

void SyncSchedule::panelShown(Clock::time_point now) {
    if (!m_lastStarted || now - *m_lastStarted >= m_timetable.panelShownGap)
        keepEarliest(m_asked, now);
}

void SyncSchedule::changedHere(Clock::time_point now) {
    // From the last change: typing a few items in a row makes one sync, not one each.
    m_changeDue = now + m_timetable.changeBatch;
}

void SyncSchedule::setOnline(bool online, Clock::time_point now) {
    if (online && !m_online) {
        keepEarliest(m_asked, now);
        if (m_retryAt)
            m_retryAt = now;
    }
    m_online = online;
}

void SyncSchedule::syncStarted(Clock::time_point now) {
    m_asked.reset();
    m_changeDue.reset();
    m_lastStarted = now;
}

void SyncSchedule::syncFinished(SyncOutcome outcome, Clock::time_point now) {
    switch (outcome) {
    case SyncOutcome::Ok:
        m_stopped = false;
        m_backOff = Duration(0);
        m_retryAt.reset();
        m_periodDue = now + m_timetable.period;
        return;
    case SyncOutcome::RetryLater:
    case SyncOutcome::Malformed:
        m_backOff =
            m_backOff == Duration(0) ? m_timetable.firstRetry : std::min(m_backOff * 2, m_timetable.longestRetry);
        m_retryAt = now + m_backOff;
        return;
    case SyncOutcome::WrongCredentials:
    case SyncOutcome::Refused:
        // Asking again with the same password or address gets the same answer: the user has to change something.
        m_stopped = true;
        m_retryAt.reset();
        return;
    }
}

void SyncSchedule::accountChanged() {
    m_stopped = false;
    m_backOff = Duration(0);
    m_retryAt.reset();
}

std::optional<SyncSchedule::Clock::time_point> SyncSchedule::nextSync() const {
    if (m_stopped || !m_online)
        return std::nullopt;
    // A failing server is left alone until its back-off is over, whatever else asks.
    if (m_retryAt)
        return m_retryAt;
    std::optional<TimePoint> due;
    keepEarliest(due, m_asked);
    keepEarliest(due, m_changeDue);
    keepEarliest(due, m_periodDue);
    return due;
}
