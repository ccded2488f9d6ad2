// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"

#include "CommandLine.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLStatusItemController.h"

#include <utility>

InstanceCommands::InstanceCommands(JLStatusItemController &statusItemController,
                                   JLRedizadoViewController &viewController, JLRedizadoWindow &window,
                                   ItemCommands items)
    : m_statusItemController(statusItemController)
    , m_viewController(viewController)
    , m_window(window)
    , m_items(std::move(items))
{
}

CommandReply InstanceCommands::handle(const QStringList &request)
{
    QString whyNot;
    const Command command = Command::fromRequest(request, &whyNot);
    if (!whyNot.isEmpty())
        return {2, {}, whyNot + QLatin1Char('\n')};
    switch (command.verb) {
    case Command::Verb::start:
        show();
        return {};
    case Command::Verb::toggle:
        m_statusItemController.hotKeyTriggered();
        return {};
    case Command::Verb::add: {
        CommandReply reply = m_items.add(command.title);
        // The new item is row 0 in either category, as one typed into the panel is.
        if (reply.exitStatus != 2)
            m_viewController.redizadoTableView()->insertRows(0, JLTableView::Animation::SlideLeft);
        return reply;
    }
    default:
        return m_items.run(command);
    }
}

void InstanceCommands::show()
{
    if (!m_window.isVisible()) {
        m_statusItemController.showRedizadoView();
        return;
    }
    m_window.raise();
    m_window.activateWindow();
}
