// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncRun.h"

#include "JLJotlingManager.h"
#include "Log.h"
#include "PropertyList.h"

#include <utility>

namespace {
// Each round after the first follows a write the server refused because the task changed there meanwhile.
constexpr int kMaxRounds = 3;

SyncOutcome outcomeOf(CalDavOutcome outcome) {
    switch (outcome) {
    case CalDavOutcome::Ok:
        return SyncOutcome::Ok;
    case CalDavOutcome::WrongCredentials:
        return SyncOutcome::WrongCredentials;
    case CalDavOutcome::Malformed:
        return SyncOutcome::Malformed;
    case CalDavOutcome::Refused:
    case CalDavOutcome::ItemRefused:
        return SyncOutcome::Refused;
    case CalDavOutcome::PreconditionFailed:
    case CalDavOutcome::RetryLater:
        break;
    }
    return SyncOutcome::RetryLater;
}

ServerChanges serverChangesOf(const CalDavChanges& changes) {
    ServerChanges server;
    for (const CalDavTask& task : changes.changed)
        server.changed.push_back({task.href.toStdString(), task.etag.toStdString(), task.icalendar.toStdString()});
    for (const QString& href : changes.removed)
        server.removed.push_back(href.toStdString());
    server.wasFullListing = changes.wasFullListing;
    return server;
}
} // namespace

SyncRun::SyncRun(const CalDavAccount& account, JLJotlingManager& manager, std::string statePath, QObject* parent)
    : QObject(parent), m_manager(manager), m_statePath(std::move(statePath)),
      m_accountName(account.user + QLatin1Char(' ') + account.address.toString()),
      m_client(new CalDavClient(account, this)) {}

SyncRun::~SyncRun() = default;

void SyncRun::start() {
    std::string why;
    m_state = SyncState::load(m_statePath, &why);
    if (!why.empty())
        logLine("sync", why + "; every task is met anew");
    // Tokens, ETags and hrefs belong to one calendar: another account starts from nothing.
    if (m_state.account != m_accountName.toStdString() || m_state.calendar.empty()) {
        // Kept until the new calendar is found: a mistyped address, once put right, must not meet every task anew
        // (which would bring back what was deleted elsewhere meanwhile).
        SyncState kept = std::exchange(m_state, SyncState{});
        m_state.account = m_accountName.toStdString();
        m_client->discover([this, kept = std::move(kept)](const CalDavResult& result, const QUrl& calendar) mutable {
            if (!result.ok()) {
                m_state = std::move(kept);
                return finish(outcomeOf(result.outcome), result.detail);
            }
            m_state.calendar = calendar.toString().toStdString();
            fetch({});
        });
        return;
    }
    m_client->setCalendar(QUrl(QString::fromStdString(m_state.calendar)));
    fetch(QByteArray::fromStdString(m_state.token));
}

void SyncRun::fetch(const QByteArray& token) {
    ++m_round;
    m_client->fetchChanges(token, [this](const CalDavResult& result, const CalDavChanges& changes) {
        if (!result.ok())
            return finish(outcomeOf(result.outcome), result.detail);
        merge(changes);
    });
}

void SyncRun::merge(const CalDavChanges& changes) {
    // The list as it is now, with whatever the user changed while the server answered.
    SyncMerge merged =
        mergeChanges(m_manager.redizado(), m_state.tasks, serverChangesOf(changes), [this](const std::string& uid) {
            return m_client->hrefFor(QString::fromStdString(uid)).toStdString();
        });
    if (merged.itemsChanged)
        m_manager.replaceRedizado(std::move(merged.items));
    m_summary += merged.summary;
    m_malformed = merged.malformed;
    m_state.tasks = std::move(merged.tasks);
    m_state.token = changes.newToken.toStdString();
    saveState();

    m_serverChangedMeanwhile = false;
    m_writeFailure.reset();
    m_writesLeft = int(merged.pushes.size() + merged.removals.size());
    if (m_writesLeft == 0)
        return roundDone();
    for (const TaskPush& push : merged.pushes) {
        const auto ifMatch = push.ifMatch ? std::optional(QByteArray::fromStdString(*push.ifMatch)) : std::nullopt;
        m_client->put(QString::fromStdString(push.href), QByteArray::fromStdString(push.icalendar), ifMatch,
                      [this, push](const CalDavResult& result, const QByteArray& etag) { pushed(push, result, etag); });
    }
    for (const TaskRemoval& removal : merged.removals)
        m_client->remove(QString::fromStdString(removal.href), QByteArray::fromStdString(removal.etag),
                         [this, removal](const CalDavResult& result) { removed(removal, result); });
}

void SyncRun::pushed(const TaskPush& push, const CalDavResult& result, const QByteArray& etag) {
    if (result.ok()) {
        // An empty ETag is learnt at the next fetch, where the task then shows as changed to what we sent.
        m_state.tasks[push.uid] = {push.href, etag.toStdString(), push.title, push.completed, push.icalendar};
        ++(push.ifMatch ? m_summary.changedThere : m_summary.addedThere);
    }
    writeAnswered(result);
}

void SyncRun::removed(const TaskRemoval& removal, const CalDavResult& result) {
    if (result.ok()) {
        m_state.tasks.erase(removal.uid);
        ++m_summary.removedThere;
    }
    writeAnswered(result);
}

void SyncRun::writeAnswered(const CalDavResult& result) {
    if (result.outcome == CalDavOutcome::PreconditionFailed)
        m_serverChangedMeanwhile = true;
    else if (!result.ok() && !m_writeFailure)
        m_writeFailure = result;
    if (--m_writesLeft == 0)
        roundDone();
}

void SyncRun::roundDone() {
    saveState();
    if (m_writeFailure)
        return finish(outcomeOf(m_writeFailure->outcome), m_writeFailure->detail);
    if (m_serverChangedMeanwhile && m_round < kMaxRounds)
        return fetch({}); // all of them: a task we took for new may have been there unchanged all along
    if (m_serverChangedMeanwhile)
        return finish(SyncOutcome::RetryLater, QStringLiteral("the tasks kept changing on the server"));
    if (m_malformed > 0)
        return finish(SyncOutcome::Malformed,
                      QStringLiteral("%1 task(s) on the server could not be read; their items were left as they were")
                          .arg(m_malformed));
    finish(SyncOutcome::Ok);
}

void SyncRun::finish(SyncOutcome outcome, const QString& detail) {
    if (m_finished)
        return;
    m_finished = true;
    if (!detail.isEmpty())
        logLine("sync", detail.toStdString());
    m_state.lastResult = nameOf(outcome).toStdString();
    m_state.lastSyncSince1970 = plist_value::now()->secondsSince1970;
    saveState();
    emit finished(SyncReport{outcome, m_summary, detail});
}

void SyncRun::saveState() {
    std::string why;
    if (!m_state.save(m_statePath, &why))
        logLine("sync", "could not save " + m_statePath + " (" + why + "); the next sync meets the tasks again");
}
