// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"

#include "CommandLine.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLStatusItemController.h"
#include "MainInterface.h"
#include "PopoverPresenter.h"

#include <QTimer>

#include <utility>

InstanceCommands::InstanceCommands(MainInterface& interface, ItemCommands items)
    : m_interface(interface), m_items(std::move(items)) {}

CommandReply InstanceCommands::handle(const QStringList& request) {
    QString whyNot;
    const Command command = Command::fromRequest(request, &whyNot);
    if (!whyNot.isEmpty())
        return {2, {}, whyNot + QLatin1Char('\n')};
    switch (command.verb) {
    case Command::Verb::start:
        show();
        return {};
    case Command::Verb::toggle:
        m_interface.statusItemController().hotKeyTriggered();
        return {};
    case Command::Verb::add: {
        CommandReply reply = m_items.add(command.title);
        // The lists follow right after the answer: the item is stored already, and the command need not wait for
        // the rows to be measured.
        if (reply.exitStatus != 2)
            QTimer::singleShot(0, &m_interface.window(), [this] { showAdded(); });
        return reply;
    }
    default:
        return m_items.run(command);
    }
}

void InstanceCommands::show() {
    if (PopoverPresenter* popover = m_interface.popoverPresenter()) {
        if (!popover->isShown())
            popover->show();
        return;
    }
    JLRedizadoWindow& window = m_interface.window();
    if (!window.isVisible()) {
        m_interface.statusItemController().showRedizadoView();
        return;
    }
    window.raise();
    window.activateWindow();
}

void InstanceCommands::showAdded() {
    // The new item is row 0 in either category, as one typed into the panel is.
    m_interface.redizadoViewController().redizadoTableView()->insertRows(0, JLTableView::Animation::SlideLeft);
    // The popover keeps a list of its own, read from the store.
    if (JLPopoverViewController* popover = m_interface.popoverViewController())
        popover->retrieveData();
}
