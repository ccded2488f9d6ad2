// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommands.h"

#include "CommandLine.h"
#include "SyncControl.h"
#include "SyncReport.h"

#include <QCoreApplication>

#include <utility>

namespace {
const QString turnOnHint = QStringLiteral("redizado sync --account URL USER");

// Text from the server or the network, made safe for a terminal.
QString line(const QString& text, const QString& otherwise = {}) {
    return escapedForTerminal(text.isEmpty() ? otherwise : text) + QLatin1Char('\n');
}

// "2 added here, 1 changed on the server", the changes here first.
QString changes(const SyncSummary& summary) {
    const std::pair<int, const char*> counts[] = {
        {summary.addedHere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n added here")},
        {summary.changedHere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n changed here")},
        {summary.removedHere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n removed here")},
        {summary.addedThere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n added on the server")},
        {summary.changedThere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n changed on the server")},
        {summary.removedThere, QT_TRANSLATE_N_NOOP("SyncCommands", "%n removed on the server")},
    };
    QStringList parts;
    for (const auto& [count, what] : counts)
        if (count > 0)
            parts << QCoreApplication::translate("SyncCommands", what, nullptr, count);
    return parts.isEmpty() ? QCoreApplication::translate("SyncCommands", "Nothing to do") + QLatin1Char('\n')
                           : parts.join(QLatin1String(", ")) + QLatin1Char('\n');
}

QString because(const QString& detail) {
    return detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(escapedForTerminal(detail));
}
} // namespace

SyncCommands::SyncCommands(SyncControl& sync) : m_sync(sync) {}

CommandReply SyncCommands::notAvailable() {
    return {sync_status::refused,
            {},
            QCoreApplication::translate("SyncCommands", "sync is not available in the running copy") +
                QLatin1Char('\n')};
}

int SyncCommands::exitStatusOf(const SyncReport& report) {
    switch (report.outcome) {
    case SyncOutcome::Ok:
        // Not everything reached the server: a script should know.
        return report.refusedItems > 0 ? sync_status::failed : 0;
    case SyncOutcome::Malformed:
        return sync_status::failed;
    case SyncOutcome::WrongCredentials:
        return sync_status::wrongPassword;
    case SyncOutcome::RetryLater:
        return sync_status::tryLater;
    case SyncOutcome::Refused:
        break;
    }
    return sync_status::refused;
}

CommandReply SyncCommands::replyTo(const SyncReport& report) {
    const QString why = because(report.detail);
    switch (report.outcome) {
    case SyncOutcome::Ok:
        if (report.refusedItems > 0)
            return {
                exitStatusOf(report), changes(report.summary),
                //: %1 is the first item turned down and the server's words about it
                QCoreApplication::translate("SyncCommands",
                                            "the server turned down %n item(s), which stay here and are tried again "
                                            "at the next sync; the first: %1",
                                            nullptr, report.refusedItems)
                        .arg(escapedForTerminal(report.firstRefusal)) +
                    QLatin1Char('\n')};
        return {0, changes(report.summary), {}};
    case SyncOutcome::Malformed:
        // What could be read was synced; the rest was left as it was on both sides.
        return {sync_status::failed, changes(report.summary),
                //: %1 is empty or the reason in brackets, as in " (HTTP 500)"
                QCoreApplication::translate("SyncCommands",
                                            "some of the server's answers could not be read and were left alone%1")
                        .arg(why) +
                    QLatin1Char('\n')};
    case SyncOutcome::WrongCredentials:
        return {sync_status::wrongPassword,
                {},
                //: %1 is empty or the reason in brackets; %2 is the command that sets them
                QCoreApplication::translate(
                    "SyncCommands", "the server turned down the user name or password%1; set them again with: %2")
                        .arg(why, turnOnHint) +
                    QLatin1Char('\n')};
    case SyncOutcome::RetryLater:
        return {sync_status::tryLater,
                {},
                //: %1 is empty or the reason in brackets
                QCoreApplication::translate("SyncCommands",
                                            "the server could not be reached or was busy%1; try again later")
                        .arg(why) +
                    QLatin1Char('\n')};
    case SyncOutcome::Refused:
        break;
    }
    return {sync_status::refused,
            {},
            //: %1 is empty or the reason in brackets
            QCoreApplication::translate("SyncCommands", "the server refused the sync%1").arg(why) + QLatin1Char('\n')};
}

void SyncCommands::run(const Command& command, Answer answer) {
    using Sync = Command::Sync;
    switch (command.sync) {
    case Sync::status: {
        // Ends as the last sync did, so that a script can tell a failed one from a good one; saying that sync is off
        // is an answer that went well.
        const std::optional<SyncReport> last = m_sync.account() ? m_sync.lastReport() : std::nullopt;
        const int status = last ? exitStatusOf(*last) : 0;
        return answer({status, line(m_sync.status()), {}});
    }
    case Sync::now:
        // Asked before syncing: the answer to a sync that is off says how to turn it on.
        if (!m_sync.account())
            return answer(
                {sync_status::refused,
                 {},
                 //: %1 is the command that turns it on
                 QCoreApplication::translate("SyncCommands", "sync is off; turn it on with: %1").arg(turnOnHint) +
                     QLatin1Char('\n')});
        return m_sync.syncNow([answer = std::move(answer)](const SyncReport& report) { answer(replyTo(report)); });
    case Sync::off:
        return m_sync.turnOff([answer = std::move(answer)](bool ok, const QString& message) {
            if (ok)
                answer({0,
                        QCoreApplication::translate("SyncCommands", "Sync is off; the items stay as they are") +
                            QLatin1Char('\n'),
                        {}});
            else
                answer({sync_status::failed,
                        {},
                        line(message, QCoreApplication::translate("SyncCommands", "sync could not be turned off"))});
        });
    case Sync::account:
        break;
    }
    if (!m_sync.keyringAvailable())
        return answer({sync_status::refused,
                       {},
                       QCoreApplication::translate("SyncCommands",
                                                   "no keyring (Secret Service) answers on this desktop to keep the "
                                                   "password; sync stays off") +
                           QLatin1Char('\n')});
    const SyncControl::Account account{QUrl(command.address, QUrl::StrictMode), command.user, command.allowPlainHttp};
    // Taken, then synced at once, so that the command ends with the lists agreed, as a later "sync" would.
    SyncControl& sync = m_sync;
    sync.turnOn(account, command.password,
                [&sync, answer = std::move(answer), account](bool ok, const QString& message) mutable {
                    if (!ok)
                        return answer(
                            {sync_status::failed,
                             {},
                             line(message, QCoreApplication::translate("SyncCommands", "the account was not taken"))});
                    //: %1 is the server's address, %2 the user name
                    const QString taken = message.isEmpty()
                                              ? QCoreApplication::translate("SyncCommands", "Syncing with %1 as %2")
                                                        .arg(escapedForTerminal(account.address.toDisplayString()),
                                                             escapedForTerminal(account.user)) +
                                                    QLatin1Char('\n')
                                              : line(message);
                    sync.syncNow([answer = std::move(answer), taken](const SyncReport& report) {
                        CommandReply reply = replyTo(report);
                        reply.output.prepend(taken);
                        answer(reply);
                    });
                });
}
