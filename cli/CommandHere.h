// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemCommands.h"

#include <functional>
#include <optional>

class FileUserDefaults;
class JLJotlingManager;
class SingleInstance;
struct Command;

// Prints a reply as the command's own and gives its exit status.
int finish(const CommandReply& reply);

// With no copy running, a command opens the store itself; a store it cannot read is left as it is.
int withStoreHere(const std::function<CommandReply(FileUserDefaults&, JLJotlingManager&)>& work);

// Hands the command to the running copy, or does an item command (add, list, count) here with the lock held.
// Nothing when this process is to be the tray program (the lock is then ours).
std::optional<int> runBeforeTray(const Command& command, SingleInstance& instance);
