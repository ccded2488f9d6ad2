// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"
#include "FileContents.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QMap>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {
// LANGUAGE lists choices, but not for a program told to speak C; LC_ALL comes before LC_MESSAGES before LANG.
TEST(Translations, LanguagesFromTheEnvironmentFollowTheOrderGettextReadsThem) {
    const std::pair<QMap<QString, QString>, QStringList> cases[] = {
        {{}, {}},
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE"}},
        {{{"LANG", "POSIX"}}, {}},
        {{{"LANGUAGE", "fr:de:fr"}, {"LANG", "de_DE.UTF-8"}}, {"fr", "de"}},
        {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, {}},
        {{{"LANGUAGE", "fr"}, {"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, {}},
        {{{"LC_ALL", "pt_BR.UTF-8"}, {"LC_MESSAGES", "it_IT"}, {"LANG", "de_DE"}}, {"pt_BR"}},
        {{{"LC_MESSAGES", "ru_RU.UTF-8@latin"}, {"LANG", "de_DE"}}, {"ru_RU"}},
        {{{"LANGUAGE", "::pl:pl_PL:"}, {"LANG", "pl_PL.UTF-8"}}, {"pl", "pl_PL"}}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& [variables, languages] = cases[i];
        const auto variable = [&](const char* name) { return variables.value(QString::fromLatin1(name)); };
        EXPECT_EQ(translations::languagesFromEnvironment(variable), languages);
    }
}

// English, or no known language, keeps the source texts. A translation that cannot be read leaves the texts
// English, and the log says why.
TEST(TranslationsInstall, TheFirstReadableLanguageWithATranslationIsChosenWithQtsOwnTexts) {
    const QList<QTranslator*> before = qApp->findChildren<QTranslator*>();
    const auto install = [](const QStringList& languages,
                            const QString& folder = QStringLiteral(REDIZADO_BUILT_TRANSLATIONS)) {
        return translations::install(*qApp, languages, {folder});
    };
    TempFolder folder;
    writeFile(folder.path() + "/redizado_xx.qm", "not a translation");
    static QStringList logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& line) { logged << line; });
    EXPECT_EQ(install({QStringLiteral("xx")}, QString::fromStdString(folder.path())), QString());
    qInstallMessageHandler(previous);
    EXPECT_TRUE(logged.join(QLatin1Char('\n')).contains(QLatin1String("translation for xx cannot be read")))
        << logged.join(QLatin1Char('\n')).toStdString();

    EXPECT_EQ(install({QStringLiteral("en_GB"), QStringLiteral("de")}), QString());
    EXPECT_EQ(install({QStringLiteral("sv_SE")}), QString());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(install({QStringLiteral("sv_SE"), QStringLiteral("de_AT"), QStringLiteral("fr")}),
              QStringLiteral("de_AT"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    // What it installed goes again, for the tests that run after it in this application.
    for (QTranslator* translator : qApp->findChildren<QTranslator*>())
        if (!before.contains(translator))
            delete translator;
}
} // namespace
