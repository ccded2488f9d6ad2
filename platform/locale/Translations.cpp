// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace translations {
namespace {
const QLatin1String programFile("redizado_");

// "pt_BR.UTF-8@euro" is "pt_BR".
QString languageOf(const QString& locale) {
    qsizetype end = locale.size();
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')})
        if (const qsizetype at = locale.indexOf(mark); at >= 0)
            end = std::min(end, at);
    return locale.left(end);
}

bool isPlainLocale(const QString& locale) {
    const QString language = languageOf(locale);
    return language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX");
}

// Parented to app, so a later application starts without them.
bool installFile(QCoreApplication& app, const QString& file, const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

// QTranslator::load falls back from "redizado_de_DE" to "redizado_de" and on to "redizado": only the first two
// are a translation.
bool hasTranslation(const QString& language, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (dir.exists(programFile + language + QLatin1String(".qm")) ||
            dir.exists(programFile + language.section(QLatin1Char('_'), 0, 0) + QLatin1String(".qm")))
            return true;
    }
    return false;
}
} // namespace

QStringList languagesFromEnvironment(const std::function<QString(const char*)>& variable) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainLocale(locale))
        return {};
    QStringList languages;
    for (const QString& entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!isPlainLocale(entry))
            languages << languageOf(entry);
    if (languages.isEmpty())
        languages << languageOf(locale);
    languages.removeDuplicates();
    return languages;
}

QStringList defaultFolders() {
    const QString own = QCoreApplication::applicationDirPath();
    return {own + QLatin1String("/translations"),
            QDir::cleanPath(own + QLatin1String("/" REDIZADO_DATA_FROM_BINDIR "/translations"))};
}

QString install(QCoreApplication& app, const QStringList& languages, const QStringList& folders) {
    installFile(app, QStringLiteral("redizado_en"), folders);
    for (const QString& language : languages) {
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")))
            return {};
        if (!hasTranslation(language, folders))
            continue;
        if (!installFile(app, programFile + language, folders)) {
            qWarning("redizado: the translation for %s cannot be read; the texts stay English", qPrintable(language));
            return {};
        }
        // Standard buttons and the text field's menu; their absence is no reason to keep ours from the user.
        installFile(app, QLatin1String("qtbase_") + language, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        return language;
    }
    return {};
}

QString installForUser(QCoreApplication& app) {
    return install(app, languagesFromEnvironment([](const char* name) { return qEnvironmentVariable(name); }),
                   defaultFolders());
}

} // namespace translations
