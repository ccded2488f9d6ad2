// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemCommands.h"

#include <QStringList>

class MainInterface;

// The running tray program's answers to later starts: show or toggle the list, and the item commands, with
// the list and the icon following every change as they do for one made in the list.
class InstanceCommands final {
public:
    InstanceCommands(MainInterface& interface, ItemCommands items);

    CommandReply handle(const QStringList& request);

private:
    MainInterface& m_interface;
    ItemCommands m_items;
};
