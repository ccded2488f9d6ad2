// SPDX-License-Identifier: GPL-3.0-or-later
// The item commands (add, list, count) with no copy running, loaded by the command people type instead of the
// whole program: the store needs Qt's core and the property-list reader, not the desktop's libraries.
#include "CommandHere.h"
#include "CommandLine.h"
#include "Log.h"
#include "LogCategories.h"
#include "SingleInstance.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QLoggingCategory>

extern "C" __attribute__((visibility("default"))) int redizadoItemsHere(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("redizado"));
    QString badArgument;
    const ParsedCommandLine parsed = parseCommandLine(decodeArguments(argc, argv, &badArgument));
    // The command checked the words already; only a good item command is sent here.
    if (!badArgument.isEmpty() || !parsed.error.isEmpty() || !parsed.command.onItemsAlone())
        return finish({2, {}, QStringLiteral("not an item command; nothing was changed\n")});
    if (parsed.command.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("redizado.*.info=true"));
    setInfoLogged(lcStore().isInfoEnabled());
    QCoreApplication core(argc, argv);
    translations::installForUser(core);
    SingleInstance instance;
    return runBeforeTray(parsed.command, instance).value_or(1);
}
