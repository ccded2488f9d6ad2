// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcTray, "redizado.tray")
Q_LOGGING_CATEGORY(lcWorkspace, "redizado.workspace")
Q_LOGGING_CATEGORY(lcInstance, "redizado.instance")
Q_LOGGING_CATEGORY(lcStore, "redizado.store")
Q_LOGGING_CATEGORY(lcSync, "redizado.sync")
