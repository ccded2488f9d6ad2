// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemCommands.h"

#include "CommandLine.h"
#include "JLJotlingManager.h"

#include <QCoreApplication>

#include <utility>

ItemCommands::ItemCommands(JLJotlingManager& manager, std::function<bool()> saveFailed)
    : m_manager(manager), m_saveFailed(std::move(saveFailed)) {}

CommandReply ItemCommands::add(const QString& title) {
    if (title.isEmpty())
        return {2, {}, QCoreApplication::translate("ItemCommands", "add needs a title") + QLatin1Char('\n')};
    m_manager.addJotlingWithTitle(title.toStdString());
    if (m_saveFailed && m_saveFailed())
        return {1,
                {},
                QCoreApplication::translate("ItemCommands",
                                            "the item was added but could not be saved; see the log for why") +
                    QLatin1Char('\n')};
    return {};
}

CommandReply ItemCommands::list(bool all) const {
    CommandReply reply;
    for (const auto& record : all ? m_manager.redizado() : m_manager.todoRedizado()) {
        if (all)
            reply.output += record->completed() ? QLatin1String("[x] ") : QLatin1String("[ ] ");
        if (const auto& title = record->title())
            reply.output += escapedForTerminal(QString::fromStdString(*title));
        reply.output += QLatin1Char('\n');
    }
    return reply;
}

CommandReply ItemCommands::count() const {
    return {0, QString::number(m_manager.todoRedizado().size()) + QLatin1Char('\n'), {}};
}

CommandReply ItemCommands::run(const Command& command) {
    switch (command.verb) {
    case Command::Verb::add:
        return add(command.title);
    case Command::Verb::list:
        return list(command.all);
    case Command::Verb::count:
        return count();
    default:
        return {2, {}, QCoreApplication::translate("ItemCommands", "not an item command") + QLatin1Char('\n')};
    }
}

QString escapedForTerminal(const QString& title) {
    QString text;
    text.reserve(title.size());
    for (const QChar c : title) {
        if (c == QLatin1Char('\\'))
            text += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            text += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            text += QLatin1String("\\r");
        else if (c.category() != QChar::Other_Control)
            text += c;
        else if (c.unicode() < 0x80)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return text;
}
