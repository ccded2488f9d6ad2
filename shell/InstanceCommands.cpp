// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"

#include "CommandLine.h"
#include "JLRedizadoWindow.h"
#include "ListPresenter.h"
#include "MainInterface.h"
#include "SyncCommands.h"

#include <QTimer>

#include <utility>

InstanceCommands::InstanceCommands(MainInterface& interface, ItemCommands items, SyncControl* sync)
    : m_interface(interface), m_items(std::move(items)),
      m_sync(sync ? std::make_unique<SyncCommands>(*sync) : nullptr) {}

InstanceCommands::~InstanceCommands() = default;

void InstanceCommands::handle(const QStringList& request, Answer answer) {
    QString whyNot;
    const Command command = Command::fromRequest(request, &whyNot);
    if (!whyNot.isEmpty())
        return answer({2, {}, whyNot + QLatin1Char('\n')});
    switch (command.verb) {
    case Command::Verb::start:
        m_interface.listPresenter().show();
        return answer({});
    case Command::Verb::toggle:
        m_interface.listPresenter().toggle();
        return answer({});
    case Command::Verb::add: {
        CommandReply reply = m_items.add(command.title);
        // The lists follow right after the answer: the item is stored already, and the command need not wait for
        // the rows to be measured.
        if (reply.exitStatus != 2)
            QTimer::singleShot(0, &m_interface.window(), [this] {
                m_interface.listPresenter().reload(ListPresenter::StoreChange::ItemAddedOnTop);
            });
        return answer(reply);
    }
    case Command::Verb::sync:
        if (!m_sync)
            return answer(SyncCommands::notAvailable());
        return m_sync->run(command, std::move(answer));
    default:
        return answer(m_items.run(command));
    }
}

CommandReply InstanceCommands::handle(const QStringList& request) {
    // A sync waits for the server, which a caller that needs the answer now cannot do; the rest answer at once.
    if (request.value(0) == QLatin1String("sync"))
        return SyncCommands::notAvailable();
    CommandReply now;
    handle(request, [&now](const CommandReply& reply) { now = reply; });
    return now;
}
