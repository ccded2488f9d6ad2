// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// How many items one sync added, changed and removed here and on the server.
struct SyncSummary {
    int addedHere = 0;
    int changedHere = 0;
    int removedHere = 0;
    int addedThere = 0;
    int changedThere = 0;
    int removedThere = 0;

    SyncSummary& operator+=(const SyncSummary& other);
    friend bool operator==(const SyncSummary&, const SyncSummary&) = default;
};

enum class SyncOutcome {
    Ok,
    WrongCredentials, // tell the user; trying again will not help
    RetryLater,       // the server could not be reached or kept changing under us
    Malformed,        // an answer or a task that could not be read; the items concerned were left as they were
    Refused,          // the server or its address was turned down for good (plain HTTP, certificate, 4xx)
};

struct SyncReport {
    SyncOutcome outcome = SyncOutcome::Ok;
    SyncSummary summary;
    QString detail;
    // Tasks whose write the server turned down: they stay here as they are and are tried again at the next sync.
    int refusedItems = 0;
    QString firstRefusal = {}; // the first of them: its title and the server's reason
};

// The word the state file keeps for an outcome.
QString nameOf(SyncOutcome outcome);
// The outcome a word stands for; nothing for a word no version wrote.
std::optional<SyncOutcome> outcomeNamed(const QString& name);
