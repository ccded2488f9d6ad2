// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace {
using Verb = Command::Verb;

constexpr std::array<std::pair<const char*, Verb>, 4> verbNames{{
    {"toggle", Verb::toggle},
    {"add", Verb::add},
    {"list", Verb::list},
    {"count", Verb::count},
}};

const char* nameOf(Verb verb) {
    for (const auto& [name, v] : verbNames)
        if (v == verb)
            return name;
    return "start";
}

QString description() {
    return QStringLiteral("A to-do list in the system tray.\n"
                          "\n"
                          "Commands:\n"
                          "  (none)          start the tray program, or show the panel of the one running\n"
                          "  toggle          show or hide the panel, as the global shortcut does\n"
                          "  add TITLE...    add an item; the words are joined by spaces\n"
                          "  list [--all]    print the items to do (or all, with [x] or [ ]), newest first\n"
                          "  count           print the number of items to do");
}
} // namespace

QStringList Command::toRequest() const {
    QStringList words{QString::fromLatin1(nameOf(verb))};
    if (verb == Verb::add)
        words << title;
    if (verb == Verb::list && all)
        words << QStringLiteral("--all");
    return words;
}

Command Command::fromRequest(const QStringList& request, QString* whyNot) {
    Command command;
    const QString verb = request.value(0);
    bool known = verb == QLatin1String("start");
    for (const auto& [name, v] : verbNames) {
        if (verb == QLatin1String(name)) {
            command.verb = v;
            known = true;
        }
    }
    const qsizetype expected = command.verb == Verb::add ? 2 : (command.verb == Verb::list ? request.size() : 1);
    if (!known || request.size() != expected || request.size() > 2 ||
        (command.verb == Verb::list && request.size() == 2 && request[1] != QLatin1String("--all"))) {
        if (whyNot)
            *whyNot = QStringLiteral("not a command: %1").arg(request.join(QLatin1Char(' ')).left(80));
        return Command{};
    }
    if (command.verb == Verb::add)
        command.title = request[1];
    command.all = command.verb == Verb::list && request.size() == 2;
    return command;
}

QStringList decodeArguments(int argc, const char* const* argv, QString* whyNot) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString word = utf8.decode(QByteArrayView(argv[i]));
        if (utf8.hasError() && whyNot && whyNot->isEmpty())
            *whyNot = QStringLiteral("argument %1 is not valid UTF-8").arg(i);
        arguments << std::move(word);
    }
    return arguments;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption allOption({QStringLiteral("a"), QStringLiteral("all")},
                                       QStringLiteral("With list: every item, checked ones too."));
    const QCommandLineOption popoverOption(QStringLiteral("popover"),
                                           QStringLiteral("Show the list in a popover rather than the panel."));
    parser.addOption(allOption);
    parser.addOption(popoverOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("toggle, add, list or count."),
                                 QStringLiteral("[command]"));
    parser.addPositionalArgument(QStringLiteral("title"), QStringLiteral("With add: the item's title."),
                                 QStringLiteral("[title...]"));
    // Qt names the program by its path, or not at all before an application object exists.
    result.helpText = parser.helpText();
    result.helpText.replace(0, result.helpText.indexOf(QLatin1String(" [options]")), QStringLiteral("Usage: redizado"));

    Command& command = result.command;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        if (result.error.contains(QLatin1String("Unknown option")))
            result.error += QStringLiteral(" (a title that starts with '-' goes after --)");
        return result;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        command.verb = Verb::help;
        return result;
    }
    if (parser.isSet(versionOption)) {
        command.verb = Verb::version;
        return result;
    }
    command.popover = parser.isSet(popoverOption);
    command.all = parser.isSet(allOption);

    QStringList words = parser.positionalArguments();
    if (!words.isEmpty()) {
        const QString verb = words.takeFirst();
        bool known = false;
        for (const auto& [name, v] : verbNames) {
            if (verb == QLatin1String(name)) {
                command.verb = v;
                known = true;
            }
        }
        if (!known) {
            result.error =
                QStringLiteral("unknown command \"%1\"; the commands are toggle, add, list and count").arg(verb);
            return result;
        }
    }
    if (command.all && command.verb != Verb::list) {
        result.error = QStringLiteral("--all goes with list only");
        return result;
    }
    if (command.verb == Verb::add) {
        // Blanks are a title, as they are when typed into the panel; nothing at all is not.
        if (std::all_of(words.cbegin(), words.cend(), [](const QString& word) { return word.isEmpty(); })) {
            result.error = QStringLiteral("add needs a title, as in: redizado add buy milk");
            return result;
        }
        command.title = words.join(QLatin1Char(' '));
    } else if (!words.isEmpty()) {
        result.error = QStringLiteral("%1 takes no further words (got \"%2\")")
                           .arg(QLatin1String(nameOf(command.verb)), words.join(QLatin1Char(' ')));
    }
    return result;
}
