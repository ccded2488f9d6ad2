// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What the user asked for on the command line.
struct Command {
    enum class Verb {
        start,  // the tray program; with one running, its panel shows
        toggle, // the panel, as the global shortcut does
        add,
        list,
        count,
        sync,
        help,
        version,
    };
    enum class Sync {
        now,     // one sync, printing what changed
        status,  // the last result
        off,     // forget the account and its password
        account, // sync with this account from now on
    };
    Verb verb = Verb::start;
    QString title;    // add: the words given, joined by single spaces
    bool all = false; // list: every item, checked or not
    bool popover = false;
    bool verbose = false; // say on the standard error stream what the program does, not only its problems
    Sync sync = Sync::now;
    // sync --account: the account; the password comes from standard input, never from the words typed.
    QString address;
    QString user;
    bool allowPlainHttp = false;
    QString password;

    // add, list or count: work on the store alone, by the running copy or else by the command itself.
    bool onItemsAlone() const { return verb == Verb::add || verb == Verb::list || verb == Verb::count; }

    // The words a running instance is sent, and read back from them.
    QStringList toRequest() const;
    static Command fromRequest(const QStringList& request, QString* whyNot);
};

// A command, or why the words do not make one.
struct ParsedCommandLine {
    Command command;
    QString error; // empty when the command is good
    QString helpText;
};

// Decodes arguments as UTF-8; the first invalid one is named in whyNot.
QStringList decodeArguments(int argc, const char* const* argv, QString* whyNot);
// arguments[0] is the program's name.
ParsedCommandLine parseCommandLine(const QStringList& arguments);
