// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QMap>
#include <QTranslator>
#include <gtest/gtest.h>

#include <ostream>

namespace {
struct Environment {
    QMap<QString, QString> variables;
    QStringList languages;
};

void PrintTo(const Environment& environment, std::ostream* out) {
    *out << environment.languages.join(QLatin1Char(',')).toStdString();
}

class LanguagesFromEnvironment : public ::testing::TestWithParam<Environment> {};

TEST_P(LanguagesFromEnvironment, FollowTheOrderGettextReadsThem) {
    const auto variable = [](const char* name) { return GetParam().variables.value(QString::fromLatin1(name)); };
    EXPECT_EQ(translations::languagesFromEnvironment(variable), GetParam().languages);
}

INSTANTIATE_TEST_SUITE_P(
    Translations, LanguagesFromEnvironment,
    ::testing::Values(Environment{{}, {}}, Environment{{{"LANG", "de_DE.UTF-8"}}, {"de_DE"}},
                      Environment{{{"LANG", "C.UTF-8"}}, {}}, Environment{{{"LANG", "POSIX"}}, {}},
                      // LANGUAGE lists choices, but not for a program told to speak C.
                      Environment{{{"LANGUAGE", "fr:de"}, {"LANG", "de_DE.UTF-8"}}, {"fr", "de"}},
                      Environment{{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, {}},
                      Environment{{{"LANGUAGE", "fr"}, {"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, {}},
                      // LC_ALL before LC_MESSAGES before LANG.
                      Environment{{{"LC_ALL", "pt_BR.UTF-8"}, {"LC_MESSAGES", "it_IT"}, {"LANG", "de_DE"}}, {"pt_BR"}},
                      Environment{{{"LC_MESSAGES", "ru_RU.UTF-8@latin"}, {"LANG", "de_DE"}}, {"ru_RU"}},
                      Environment{{{"LANGUAGE", "::pl:pl_PL:"}, {"LANG", "pl_PL.UTF-8"}}, {"pl", "pl_PL"}}));

// Each case installs into the one application; what it installed goes again after it.
class TranslationsInstall : public ::testing::Test {
protected:
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            if (!before.contains(translator))
                delete translator;
    }
    QString install(const QStringList& languages) {
        return translations::install(*qApp, languages, {QStringLiteral(REDIZADO_BUILT_TRANSLATIONS)});
    }
    const QList<QTranslator*> before = qApp->findChildren<QTranslator*>();
};

TEST_F(TranslationsInstall, TheFirstLanguageWithATranslationIsChosenWithQtsOwnTexts) {
    EXPECT_EQ(install({QStringLiteral("sv_SE"), QStringLiteral("de_AT"), QStringLiteral("fr")}),
              QStringLiteral("de_AT"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST_F(TranslationsInstall, EnglishOrNoKnownLanguageKeepsTheSourceTexts) {
    EXPECT_EQ(install({QStringLiteral("en_GB"), QStringLiteral("de")}), QString());
    EXPECT_EQ(install({QStringLiteral("sv_SE")}), QString());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
} // namespace
