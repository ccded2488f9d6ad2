// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncMerge.h"

#include <QString>

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
};

// The word the state file keeps for an outcome.
QString nameOf(SyncOutcome outcome);
