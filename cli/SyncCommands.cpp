// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommands.h"

#include "CommandLine.h"
#include "SyncControl.h"
#include "SyncReport.h"

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
        {summary.addedHere, "added here"},
        {summary.changedHere, "changed here"},
        {summary.removedHere, "removed here"},
        {summary.addedThere, "added on the server"},
        {summary.changedThere, "changed on the server"},
        {summary.removedThere, "removed on the server"},
    };
    QStringList parts;
    for (const auto& [count, what] : counts)
        if (count > 0)
            parts << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(what));
    return parts.isEmpty() ? QStringLiteral("Nothing to do\n") : parts.join(QLatin1String(", ")) + QLatin1Char('\n');
}

QString because(const QString& detail) {
    return detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(escapedForTerminal(detail));
}
} // namespace

SyncCommands::SyncCommands(SyncControl& sync) : m_sync(sync) {}

CommandReply SyncCommands::notAvailable() {
    return {sync_status::refused, {}, QStringLiteral("sync is not available in the running copy\n")};
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
            return {exitStatusOf(report), changes(report.summary),
                    QStringLiteral("the server turned down %1 item(s), which stay here and are tried again at the next "
                                   "sync; the first: %2\n")
                        .arg(report.refusedItems)
                        .arg(escapedForTerminal(report.firstRefusal))};
        return {0, changes(report.summary), {}};
    case SyncOutcome::Malformed:
        // What could be read was synced; the rest was left as it was on both sides.
        return {sync_status::failed, changes(report.summary),
                QStringLiteral("some of the server's answers could not be read and were left alone%1\n").arg(why)};
    case SyncOutcome::WrongCredentials:
        return {sync_status::wrongPassword,
                {},
                QStringLiteral("the server turned down the user name or password%1; set them again with: %2\n")
                    .arg(why, turnOnHint)};
    case SyncOutcome::RetryLater:
        return {sync_status::tryLater,
                {},
                QStringLiteral("the server could not be reached or was busy%1; try again later\n").arg(why)};
    case SyncOutcome::Refused:
        break;
    }
    return {sync_status::refused, {}, QStringLiteral("the server refused the sync%1\n").arg(why)};
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
                {sync_status::refused, {}, QStringLiteral("sync is off; turn it on with: %1\n").arg(turnOnHint)});
        return m_sync.syncNow([answer = std::move(answer)](const SyncReport& report) { answer(replyTo(report)); });
    case Sync::off:
        return m_sync.turnOff([answer = std::move(answer)](bool ok, const QString& message) {
            if (ok)
                answer({0, QStringLiteral("Sync is off; the items stay as they are\n"), {}});
            else
                answer({sync_status::failed, {}, line(message, QStringLiteral("sync could not be turned off"))});
        });
    case Sync::account:
        break;
    }
    if (!m_sync.keyringAvailable())
        return answer({sync_status::refused,
                       {},
                       QStringLiteral("no keyring (Secret Service) answers on this desktop to keep the password; "
                                      "sync stays off\n")});
    const SyncControl::Account account{QUrl(command.address, QUrl::StrictMode), command.user, command.allowPlainHttp};
    // Taken, then synced at once, so that the command ends with the lists agreed, as a later "sync" would.
    SyncControl& sync = m_sync;
    sync.turnOn(
        account, command.password,
        [&sync, answer = std::move(answer), account](bool ok, const QString& message) mutable {
            if (!ok)
                return answer({sync_status::failed, {}, line(message, QStringLiteral("the account was not taken"))});
            const QString taken = message.isEmpty() ? QStringLiteral("Syncing with %1 as %2\n")
                                                          .arg(escapedForTerminal(account.address.toDisplayString()),
                                                               escapedForTerminal(account.user))
                                                    : line(message);
            sync.syncNow([answer = std::move(answer), taken](const SyncReport& report) {
                CommandReply reply = replyTo(report);
                reply.output.prepend(taken);
                answer(reply);
            });
        });
}
