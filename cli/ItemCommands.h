// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class JLJotlingManager;
struct Command;

// What a command prints and how it ends; the same whether it ran here or in the running instance.
struct CommandReply {
    int exitStatus = 0;
    QString output; // for the standard output, lines ending in '\n'
    QString error;  // for the standard error stream
};

// The command line's item commands, over the item manager, so an item added here is one typed into the panel.
class ItemCommands final {
public:
    // saveFailed tells whether the store's last write-through failed.
    ItemCommands(JLJotlingManager& manager, std::function<bool()> saveFailed);

    CommandReply add(const QString& title);
    CommandReply list(bool all) const;
    CommandReply count() const;
    // add, list or count; anything else is refused with status 2.
    CommandReply run(const Command& command);

private:
    JLJotlingManager& m_manager;
    std::function<bool()> m_saveFailed;
};

// A title made safe for one line of a terminal: control characters (and the backslash that escapes them) written
// as \n, \t, \\ or \xNN / \uNNNN.
QString escapedForTerminal(const QString& title);
