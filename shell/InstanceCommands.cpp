// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"

#include "CommandLine.h"
#include "JLRedizadoWindow.h"
#include "ListPresenter.h"
#include "MainInterface.h"

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
        m_interface.listPresenter().show();
        return {};
    case Command::Verb::toggle:
        m_interface.listPresenter().toggle();
        return {};
    case Command::Verb::add: {
        CommandReply reply = m_items.add(command.title);
        // The lists follow right after the answer: the item is stored already, and the command need not wait for
        // the rows to be measured.
        if (reply.exitStatus != 2)
            QTimer::singleShot(0, &m_interface.window(), [this] {
                m_interface.listPresenter().reload(ListPresenter::StoreChange::ItemAddedOnTop);
            });
        return reply;
    }
    default:
        return m_items.run(command);
    }
}
