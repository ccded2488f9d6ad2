// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The program's texts, and Qt's own, in the user's language.
namespace translations {

// The languages the user asked for, first choice first, read as gettext does: LANGUAGE (a colon-separated list)
// unless the locale is C or POSIX, else LC_ALL, LC_MESSAGES or LANG, whichever is set first. Codesets and
// modifiers are dropped ("pt_BR.UTF-8" gives "pt_BR"). Empty for English as written.
QStringList languagesFromEnvironment(const std::function<QString(const char*)>& variable);

// Where the compiled translations are: beside the running program in the build tree, the package's data folder
// once installed.
QStringList defaultFolders();

// Installs into app the first of the languages that folders hold a translation for, and Qt's own texts in that
// language, above the English plural forms. Returns the language chosen, empty for English.
QString install(QCoreApplication& app, const QStringList& languages, const QStringList& folders);

// The same for the user's own languages.
QString installForUser(QCoreApplication& app);

} // namespace translations
