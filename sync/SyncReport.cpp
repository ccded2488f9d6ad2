// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncReport.h"

SyncSummary& SyncSummary::operator+=(const SyncSummary& other) {
    addedHere += other.addedHere;
    changedHere += other.changedHere;
    removedHere += other.removedHere;
    addedThere += other.addedThere;
    changedThere += other.changedThere;
    removedThere += other.removedThere;
    return *this;
}

QString nameOf(SyncOutcome outcome) {
    switch (outcome) {
    case SyncOutcome::Ok:
        return QStringLiteral("Ok");
    case SyncOutcome::WrongCredentials:
        return QStringLiteral("WrongCredentials");
    case SyncOutcome::RetryLater:
        return QStringLiteral("RetryLater");
    case SyncOutcome::Malformed:
        return QStringLiteral("Malformed");
    case SyncOutcome::Refused:
        break;
    }
    return QStringLiteral("Refused");
}

std::optional<SyncOutcome> outcomeNamed(const QString& name) {
    for (const SyncOutcome outcome : {SyncOutcome::Ok, SyncOutcome::WrongCredentials, SyncOutcome::RetryLater,
                                      SyncOutcome::Malformed, SyncOutcome::Refused})
        if (nameOf(outcome) == name)
            return outcome;
    return std::nullopt;
}
