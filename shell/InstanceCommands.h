// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemCommands.h"

#include <QStringList>

#include <functional>
#include <memory>

class MainInterface;
class SyncControl;
class SyncCommands;

// The running tray program's answers to later starts: show or toggle the list, the item commands, with the list
// and the icon following every change as they do for one made in the list, and the sync commands.
class InstanceCommands final {
public:
    using Answer = std::function<void(const CommandReply& reply)>;

    // sync: nullptr where there is none; sync commands are then answered that it is not available.
    InstanceCommands(MainInterface& interface, ItemCommands items, SyncControl* sync = nullptr);
    ~InstanceCommands();

    // answer is called once: at once, or for a sync command once the server has answered.
    void handle(const QStringList& request, Answer answer);
    // For callers that need the answer now: sync commands are answered that sync is not available.
    CommandReply handle(const QStringList& request);

private:
    MainInterface& m_interface;
    ItemCommands m_items;
    std::unique_ptr<SyncCommands> m_sync;
};
