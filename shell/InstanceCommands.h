// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemCommands.h"

#include <QStringList>

class JLRedizadoViewController;
class JLStatusItemController;
class JLRedizadoWindow;

// The running tray program's answers to later starts: show or toggle the panel, and the item commands, with
// the panel and the icon following every change as they do for one made in the panel.
class InstanceCommands final {
public:
    InstanceCommands(JLStatusItemController &statusItemController, JLRedizadoViewController &viewController,
                     JLRedizadoWindow &window, ItemCommands items);

    CommandReply handle(const QStringList &request);

private:
    void show();

    JLStatusItemController &m_statusItemController;
    JLRedizadoViewController &m_viewController;
    JLRedizadoWindow &m_window;
    ItemCommands m_items;
};
