// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"

#include "CommandLine.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLStatusItemController.h"

#include <QTimer>

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
        // The new item is row 0 in either category, as one typed into the panel is. The table follows right after
        // the answer: the item is stored already, and the command need not wait for the rows to be measured.
        if (reply.exitStatus != 2) {
            JLTableView *table = m_viewController.redizadoTableView();
            QTimer::singleShot(0, table, [table] { table->insertRows(0, JLTableView::Animation::SlideLeft); });
        }
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
