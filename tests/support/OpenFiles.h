// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

// How many files this process has open: what a long run would leak shows as a count that grows.
inline qsizetype openFileCount() {
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}
