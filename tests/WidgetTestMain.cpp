// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // English as shipped, whatever the machine's language: its plural forms come from a translation too.
    translations::install(app, {QStringLiteral("en")}, {QStringLiteral(REDIZADO_BUILT_TRANSLATIONS)});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
