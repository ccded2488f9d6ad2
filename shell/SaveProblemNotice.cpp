// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveProblemNotice.h"

#include "FileUserDefaults.h"
#include "Log.h"
#include "StatusItem.h"

#include <QObject>
#include <QString>

namespace {
QString title() {
    return QObject::tr("Redizado cannot save");
}
} // namespace

void noticeSaveProblems(FileUserDefaults& defaults, StatusItem& statusItem) {
    defaults.setSaveProblemHandler([&statusItem](const std::string& message) {
        statusItem.showMessage(title(), QString::fromStdString(message));
    });
    if (!defaults.probeFolder()) {
        const std::string message = "The folder of " + defaults.path() +
                                    " is read-only. Your items are kept while Redizado runs, but not saved.";
        logLine("store", message);
        statusItem.showMessage(title(), QString::fromStdString(message));
    }
}

bool saveOnceMoreAtQuit(FileUserDefaults& defaults) {
    if (!defaults.saveFailing())
        return true;
    const bool saved = defaults.synchronize();
    logLine("store", saved ? "saved " + defaults.path() + " at quit"
                           : "could not save " + defaults.path() + " at quit; the last changes are lost");
    return saved;
}
