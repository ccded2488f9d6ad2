// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <array>
#include <utility>

namespace {
using Verb = Command::Verb;

constexpr std::array<std::pair<const char*, Verb>, 5> verbNames{{
    {"toggle", Verb::toggle},
    {"add", Verb::add},
    {"list", Verb::list},
    {"count", Verb::count},
    {"sync", Verb::sync},
}};

QString passwordOnCommandLine() {
    return QCoreApplication::translate("CommandLine",
                                       "the password is read from standard input, never from the command line");
}

const char* nameOf(Verb verb) {
    for (const auto& [name, v] : verbNames)
        if (v == verb)
            return name;
    return "start";
}

// The command and option words stay as they are typed; the columns line up in a terminal.
QString description() {
    return QCoreApplication::translate(
        "CommandLine", "A to-do list in the system tray.\n"
                       "\n"
                       "Commands:\n"
                       "  (none)          start the tray program, or show the panel of the one running\n"
                       "  toggle          show or hide the panel, as the global shortcut does\n"
                       "  add TITLE...    add an item; the words are joined by spaces\n"
                       "  list [--all]    print the items to do (or all, with [x] or [ ]), newest first\n"
                       "  count           print the number of items to do\n"
                       "  sync            sync with the calendar server now and print what changed\n"
                       "  sync --status   print how the last sync went\n"
                       "  sync --account URL USER [--allow-plain-http]\n"
                       "                  sync with the calendar at URL as USER from now on; the\n"
                       "                  password is read from standard input\n"
                       "  sync --off      forget the account and its password; the items stay\n"
                       "\n"
                       "Exit status: 0 done, 1 failed, 2 bad words; for sync also 3 wrong password,\n"
                       "4 try again later, 5 refused or sync off.");
}

// A server's or a calendar's address, checked before anything is sent: whether plain HTTP may go there is the
// sync's to say.
QString addressProblem(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return QCoreApplication::translate("CommandLine", "\"%1\" is not a web address, as in https://example.org/dav/")
            .arg(address);
    if (!url.password().isEmpty())
        return passwordOnCommandLine();
    return {};
}

// The words after "sync" in a request.
bool readSyncRequest(QStringList words, Command& command) {
    using Sync = Command::Sync;
    if (words.isEmpty())
        return true;
    const QString option = words.takeFirst();
    if (option == QLatin1String("--status") || option == QLatin1String("--off")) {
        command.sync = option == QLatin1String("--off") ? Sync::off : Sync::status;
        return words.isEmpty();
    }
    if (option != QLatin1String("--account"))
        return false;
    command.sync = Sync::account;
    command.allowPlainHttp = words.value(0) == QLatin1String("--allow-plain-http");
    if (command.allowPlainHttp)
        words.removeFirst();
    if (words.size() != 3)
        return false;
    command.address = words[0];
    command.user = words[1];
    command.password = words[2];
    return addressProblem(command.address).isEmpty() && !command.user.isEmpty() && !command.password.isEmpty();
}
} // namespace

QStringList Command::toRequest() const {
    QStringList words{QString::fromLatin1(nameOf(verb))};
    if (verb == Verb::add)
        words << title;
    if (verb == Verb::list && all)
        words << QStringLiteral("--all");
    if (verb != Verb::sync || sync == Sync::now)
        return words;
    if (sync != Sync::account)
        return words << (sync == Sync::off ? QStringLiteral("--off") : QStringLiteral("--status"));
    words << QStringLiteral("--account");
    if (allowPlainHttp)
        words << QStringLiteral("--allow-plain-http");
    // Over the user's own socket, to the copy that keeps it in the keyring.
    return words << address << user << password;
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
    const QStringList rest = request.mid(1);
    bool good = known;
    if (good && command.verb == Verb::add)
        good = rest.size() == 1;
    else if (good && command.verb == Verb::list)
        good = rest.isEmpty() || rest == QStringList{QStringLiteral("--all")};
    else if (good && command.verb == Verb::sync)
        good = readSyncRequest(rest, command);
    else
        good = good && rest.isEmpty();
    if (!good) {
        // An account's request holds a password: it is not repeated back.
        const QStringList shown = command.verb == Verb::sync ? request.mid(0, 2) : request;
        if (whyNot)
            //: %1 is the words received
            *whyNot = QCoreApplication::translate("CommandLine", "not a command: %1")
                          .arg(shown.join(QLatin1Char(' ')).left(80));
        return Command{};
    }
    if (command.verb == Verb::add)
        command.title = rest[0];
    command.all = command.verb == Verb::list && !rest.isEmpty();
    return command;
}

QStringList decodeArguments(int argc, const char* const* argv, QString* whyNot) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString word = utf8.decode(QByteArrayView(argv[i]));
        if (utf8.hasError() && whyNot && whyNot->isEmpty())
            //: %1 is the argument's place on the command line, counted from 0 for the program's name
            *whyNot = QCoreApplication::translate("CommandLine", "argument %1 is not valid UTF-8").arg(i);
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
    const QCommandLineOption allOption(
        {QStringLiteral("a"), QStringLiteral("all")},
        QCoreApplication::translate("CommandLine", "With list: every item, checked ones too."));
    const QCommandLineOption popoverOption(
        QStringLiteral("popover"),
        QCoreApplication::translate("CommandLine", "Show the list in a popover rather than the panel."));
    const QCommandLineOption statusOption(
        QStringLiteral("status"), QCoreApplication::translate("CommandLine", "With sync: how the last sync went."));
    const QCommandLineOption offOption(
        QStringLiteral("off"),
        QCoreApplication::translate("CommandLine", "With sync: forget the account and its password."));
    const QCommandLineOption accountOption(
        QStringLiteral("account"),
        QCoreApplication::translate("CommandLine", "With sync: sync as USER with the calendar server at URL."));
    const QCommandLineOption plainHttpOption(
        QStringLiteral("allow-plain-http"),
        QCoreApplication::translate("CommandLine",
                                    "With sync --account: an unencrypted http:// address to another machine."));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"),
        QCoreApplication::translate("CommandLine", "Say what the program does, not only its problems."));
    parser.addOptions(
        {allOption, popoverOption, statusOption, offOption, accountOption, plainHttpOption, verboseOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("CommandLine", "toggle, add, list, count or sync."),
                                 QStringLiteral("[command]"));
    parser.addPositionalArgument(
        QStringLiteral("title"),
        QCoreApplication::translate("CommandLine", "With add: the item's title; with sync --account: URL USER."),
        QStringLiteral("[title...]"));
    // The first line is ours: Qt names the program by its path, or not at all before an application object exists,
    // and its own translation words that line as it likes.
    const QString qtHelp = parser.helpText();
    //: %1 is the command's name; the words in brackets are those of the Arguments below
    result.helpText = QCoreApplication::translate("CommandLine", "Usage: %1 [options] [command] [title...]")
                          .arg(QStringLiteral("redizado")) +
                      qtHelp.mid(qtHelp.indexOf(QLatin1Char('\n')));

    Command& command = result.command;
    for (const QString& word : arguments.mid(1)) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--password") || word.startsWith(QLatin1String("--password="))) {
            result.error = passwordOnCommandLine();
            return result;
        }
    }
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        // Asked of the parser, not read from its words, which Qt's own translation may change.
        if (!parser.unknownOptionNames().isEmpty())
            //: %1 is the parser's own message, as in: Unknown option 'x'.
            result.error = QCoreApplication::translate("CommandLine", "%1 (a title that starts with '-' goes after --)")
                               .arg(result.error);
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
    command.verbose = parser.isSet(verboseOption);
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
                QCoreApplication::translate(
                    "CommandLine", "unknown command \"%1\"; the commands are toggle, add, list, count and sync")
                    .arg(verb);
            return result;
        }
    }
    if (command.all && command.verb != Verb::list) {
        result.error = QCoreApplication::translate("CommandLine", "--all goes with list only");
        return result;
    }
    for (const QCommandLineOption* option : {&statusOption, &offOption, &accountOption, &plainHttpOption}) {
        if (parser.isSet(*option) && command.verb != Verb::sync) {
            result.error = QCoreApplication::translate("CommandLine", "--%1 goes with sync only")
                               .arg(option->names().constFirst());
            return result;
        }
    }
    if (command.verb == Verb::sync) {
        if (int(parser.isSet(statusOption)) + int(parser.isSet(offOption)) + int(parser.isSet(accountOption)) > 1) {
            result.error =
                QCoreApplication::translate("CommandLine", "sync takes one of --status, --off and --account");
            return result;
        }
        if (parser.isSet(plainHttpOption) && !parser.isSet(accountOption)) {
            result.error =
                QCoreApplication::translate("CommandLine", "--allow-plain-http goes with sync --account only");
            return result;
        }
        command.sync = parser.isSet(statusOption) ? Command::Sync::status
                       : parser.isSet(offOption)  ? Command::Sync::off
                                                  : Command::Sync::now;
    }
    if (parser.isSet(accountOption)) {
        command.sync = Command::Sync::account;
        command.allowPlainHttp = parser.isSet(plainHttpOption);
        // A third word can only be the password, where every process of the machine could read it.
        if (words.size() > 2)
            result.error = passwordOnCommandLine();
        else if (words.size() < 2 || words[1].isEmpty())
            result.error = QCoreApplication::translate(
                "CommandLine", "sync --account needs the server's address and a user name, as in: "
                               "redizado sync --account https://example.org/dav/ alice");
        else
            result.error = addressProblem(words[0]);
        if (result.error.isEmpty()) {
            command.address = words[0];
            command.user = words[1];
        }
    } else if (command.verb == Verb::add) {
        // Blanks are a title, as they are when typed into the panel; nothing at all is not.
        if (std::all_of(words.cbegin(), words.cend(), [](const QString& word) { return word.isEmpty(); })) {
            result.error =
                QCoreApplication::translate("CommandLine", "add needs a title, as in: redizado add buy milk");
            return result;
        }
        command.title = words.join(QLatin1Char(' '));
    } else if (!words.isEmpty()) {
        //: %1 is a command word, %2 the words after it
        result.error = QCoreApplication::translate("CommandLine", "%1 takes no further words (got \"%2\")")
                           .arg(QLatin1String(nameOf(command.verb)), words.join(QLatin1Char(' ')));
    }
    return result;
}
