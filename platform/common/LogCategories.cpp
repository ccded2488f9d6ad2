// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogCategories.h"

// Warnings only unless asked for (--verbose, QT_LOGGING_RULES): a desktop keeps what programs print.

Q_LOGGING_CATEGORY(lcTray, "redizado.tray", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWorkspace, "redizado.workspace", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInstance, "redizado.instance", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStore, "redizado.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSync, "redizado.sync", QtWarningMsg)
