// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveProblemNotice.h"

#include "FileUserDefaults.h"
#include "Log.h"
#include "StatusItem.h"

#include <QCoreApplication>
#include <QString>

namespace {
QString title() {
    return QCoreApplication::translate("SaveProblemNotice", "Redizado cannot save");
}
} // namespace

void noticeSaveProblems(FileUserDefaults& defaults, StatusItem& statusItem) {
    defaults.setSaveProblemHandler([&statusItem, &defaults](const std::string& why) {
        //: %1 is the preferences file's path, %2 the system's reason
        statusItem.showMessage(
            title(), QCoreApplication::translate("SaveProblemNotice", "Your items could not be saved to %1 (%2). They "
                                                                      "are kept while Redizado runs, and saving is "
                                                                      "tried again at each change.")
                         .arg(QString::fromStdString(defaults.path()), QString::fromLocal8Bit(why.c_str())));
    });
    if (!defaults.probeFolder()) {
        logLine("store", "The folder of " + defaults.path() +
                             " is read-only. Your items are kept while Redizado runs, but not saved.");
        //: %1 is the preferences file's path
        statusItem.showMessage(title(), QCoreApplication::translate("SaveProblemNotice",
                                                                    "The folder of %1 is read-only. Your items are "
                                                                    "kept while Redizado runs, but not saved.")
                                            .arg(QString::fromStdString(defaults.path())));
    }
}

bool saveOnceMoreAtQuit(FileUserDefaults& defaults) {
    // Before the next copy may start and read the file.
    defaults.finishSaves();
    if (!defaults.saveFailing())
        return true;
    defaults.synchronize();
    defaults.finishSaves();
    const bool saved = !defaults.saveFailing();
    logLine("store", saved ? "saved " + defaults.path() + " at quit"
                           : "could not save " + defaults.path() + " at quit; the last changes are lost");
    return saved;
}
