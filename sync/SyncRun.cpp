// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncRun.h"

#include "JLJotlingManager.h"
#include "Log.h"
#include "PropertyList.h"

#include <QDateTime>

#include <cstdio>
#include <utility>

namespace {
// Rounds that follow a write the server refused because the task changed there meanwhile.
constexpr int kMaxConflictRounds = 2;
// Every round, those that learn the token after our writes included: a server that keeps changing is caught up
// with at the next sync.
constexpr int kMaxRounds = 6;

SyncOutcome outcomeOf(CalDavOutcome outcome) {
    switch (outcome) {
    case CalDavOutcome::Ok:
        return SyncOutcome::Ok;
    case CalDavOutcome::WrongCredentials:
        return SyncOutcome::WrongCredentials;
    case CalDavOutcome::Malformed:
        return SyncOutcome::Malformed;
    case CalDavOutcome::Refused:
        return SyncOutcome::Refused;
    // One task's write turned down is handled where it is answered; anywhere else it is not the account's fault.
    case CalDavOutcome::ItemRefused:
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

// A title for a log line: control characters shown as escapes, a long one cut.
std::string quoted(const std::string& title) {
    constexpr std::size_t kLongest = 80;
    std::string out = "\"";
    for (const unsigned char c : title.substr(0, kLongest)) {
        if (c < 0x20 || c == 0x7f || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out + (title.size() > kLongest ? "…\"" : "\"");
}

bool today(const std::optional<double>& secondsSince1970) {
    return secondsSince1970 &&
           QDateTime::fromMSecsSinceEpoch(qint64(*secondsSince1970 * 1000)).date() == QDate::currentDate();
}

// The state but its tasks, moved aside meanwhile.
SyncState withoutTasks(SyncState& state) {
    auto tasks = std::exchange(state.tasks, {});
    SyncState copy = state;
    state.tasks = std::move(tasks);
    return copy;
}

// The times of the last sync are not worth a write of their own. Compared in place, the tasks left out: a copy of
// 10,000 tasks is not worth it either.
bool sameButTimesAndTasks(SyncState& a, const SyncState& b) {
    const auto lastSync = std::exchange(a.lastSyncSince1970, b.lastSyncSince1970);
    const auto lastGoodSync = std::exchange(a.lastGoodSyncSince1970, b.lastGoodSyncSince1970);
    auto tasks = std::exchange(a.tasks, {});
    const bool same = a == b;
    a.lastSyncSince1970 = lastSync;
    a.lastGoodSyncSince1970 = lastGoodSync;
    a.tasks = std::move(tasks);
    return same;
}
} // namespace

SyncRun::SyncRun(const CalDavAccount& account, JLJotlingManager& manager, std::string statePath, QObject* parent)
    : SyncRun(account, manager, std::make_unique<SyncStateFile>(std::move(statePath)), nullptr, parent) {}

SyncRun::SyncRun(const CalDavAccount& account, JLJotlingManager& manager, SyncStateFile& stateFile, QObject* parent)
    : SyncRun(account, manager, nullptr, &stateFile, parent) {}

SyncRun::SyncRun(const CalDavAccount& account, JLJotlingManager& manager, std::unique_ptr<SyncStateFile> ownStateFile,
                 SyncStateFile* stateFile, QObject* parent)
    : QObject(parent), m_manager(manager), m_ownStateFile(std::move(ownStateFile)),
      m_stateFile(stateFile ? *stateFile : *m_ownStateFile),
      m_accountName(account.user + QLatin1Char(' ') + account.address.toString()),
      m_client(new CalDavClient(account, this)) {}

SyncRun::~SyncRun() = default;

void SyncRun::start() {
    std::string why;
    m_state = m_stateFile.take(&why, &m_agreed);
    m_saved = withoutTasks(m_state);
    if (!why.empty())
        logLine("sync", why + "; every task is met anew");
    // Tokens, ETags and hrefs belong to one calendar: another account starts from nothing.
    if (m_state.account != m_accountName.toStdString() || m_state.calendar.empty()) {
        // Kept until the new calendar is found: a mistyped address, once put right, must not meet every task anew
        // (which would bring back what was deleted elsewhere meanwhile).
        SyncState kept = std::exchange(m_state, SyncState{});
        m_state.account = m_accountName.toStdString();
        m_tasksChanged = true;
        m_agreed = {};
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
    // Once a day every ETag is compared, whatever the server's token says.
    fetch(today(m_state.lastFullListingSince1970) ? QByteArray::fromStdString(m_state.token) : QByteArray());
}

void SyncRun::fetch(const QByteArray& token) {
    ++m_round;
    m_client->fetchChanges(token, [this](const CalDavResult& result, const CalDavChanges& changes) {
        if (!result.ok())
            return finish(outcomeOf(result.outcome), result.detail);
        if (missesOwnWrites(changes)) {
            logLine("sync", "the server's list of changes left out our own writes; every task is listed instead");
            m_checkingOwnWrites = false;
            return fetch({});
        }
        if (changes.wasFullListing)
            m_state.lastFullListingSince1970 = plist_value::now()->secondsSince1970;
        merge(changes);
    });
}

// A change list that does not hold what we just wrote cannot be trusted to hold what others wrote either.
bool SyncRun::missesOwnWrites(const CalDavChanges& changes) const {
    if (!m_checkingOwnWrites || changes.wasFullListing)
        return false;
    std::set<std::string> seen;
    for (const CalDavTask& task : changes.changed)
        seen.insert(task.href.toStdString());
    for (const QString& href : changes.removed)
        seen.insert(href.toStdString());
    return !std::includes(seen.begin(), seen.end(), m_written.begin(), m_written.end());
}

void SyncRun::merge(const CalDavChanges& changes) {
    // The list still the very one the tasks agreed with, nothing in flight and no full listing to check: only what
    // the server changed needs merging, and with nothing from it, nothing does.
    const bool agreed = !changes.wasFullListing && m_state.sending.empty() && m_agreed.sameAs(m_manager.redizado());
    const bool nothingFromServer = changes.changed.isEmpty() && changes.removed.isEmpty();
    SyncMerge merged;
    if (!agreed || !nothingFromServer) {
        const auto hrefFor = [this](const std::string& uid) {
            return m_client->hrefFor(QString::fromStdString(uid)).toStdString();
        };
        // The list as it is now, with whatever the user changed while the server answered.
        if (agreed) {
            merged =
                mergeChangesAgreed(m_manager.redizado(), std::move(m_state.tasks), serverChangesOf(changes), hrefFor);
            m_tasksChanged = true;
        } else {
            merged =
                mergeChanges(m_manager.redizado(), m_state.tasks, serverChangesOf(changes), hrefFor, m_state.sending);
            if (merged.tasks != m_state.tasks)
                m_tasksChanged = true;
        }
        if (merged.itemsChanged)
            m_manager.replaceRedizado(std::move(merged.items));
        m_summary += merged.summary;
        for (const std::string& note : merged.notes)
            logLine("sync", note);
        m_state.tasks = std::move(merged.tasks);
        m_agreed = merged.settled ? AgreedItems(m_manager.redizado()) : AgreedItems{};
    }
    m_malformed = merged.malformed;
    m_state.token = changes.newToken.toStdString();

    m_serverChangedMeanwhile = false;
    m_checkingOwnWrites = false;
    m_written.clear();
    m_writeFailure.reset();
    // Turned down once, not sent again in this run's later rounds.
    std::erase_if(merged.pushes, [this](const TaskPush& push) { return m_refusedUids.contains(push.uid); });
    std::erase_if(merged.removals, [this](const TaskRemoval& removal) { return m_refusedUids.contains(removal.uid); });
    // Kept before they go: should an answer be lost, the next sync knows the task it finds as ours.
    m_state.sending.clear();
    for (const TaskPush& push : merged.pushes)
        m_state.sending[push.uid] = {push.title, push.completed};
    saveState();
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
        m_tasksChanged = true;
        m_state.sending.erase(push.uid);
        m_written.insert(push.href);
        ++(push.ifMatch ? m_summary.changedThere : m_summary.addedThere);
    } else if (result.outcome == CalDavOutcome::ItemRefused) {
        m_refusedUids.insert(push.uid);
        refused(push.title, result);
    }
    writeAnswered(result);
}

void SyncRun::removed(const TaskRemoval& removal, const CalDavResult& result) {
    if (result.ok()) {
        m_state.tasks.erase(removal.uid);
        m_tasksChanged = true;
        m_written.insert(removal.href);
        ++m_summary.removedThere;
    } else if (result.outcome == CalDavOutcome::ItemRefused) {
        m_refusedUids.insert(removal.uid);
        refused(removal.title, result);
    }
    writeAnswered(result);
}

// The item and its state stay as they were, so the next sync tries it again: what one server turns down for good
// (a task too big) costs one request a sync, while what it turns down for now (a calendar made read-only for a
// while, a rule of the server's) gets through once it is lifted, without the user doing anything.
void SyncRun::refused(const std::string& title, const CalDavResult& result) {
    const QString line = QStringLiteral("%1: %2").arg(QString::fromStdString(quoted(title)), result.detail);
    logLine("sync", "the server turned down " + line.toStdString() + "; it stays here and is tried again");
    if (m_refused++ == 0)
        m_firstRefusal = line;
}

void SyncRun::writeAnswered(const CalDavResult& result) {
    if (result.outcome == CalDavOutcome::ItemRefused)
        ; // counted, and the rest goes on
    else if (result.outcome == CalDavOutcome::PreconditionFailed)
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
    if (m_serverChangedMeanwhile && m_conflictRounds < kMaxConflictRounds && m_round < kMaxRounds) {
        ++m_conflictRounds;
        return fetch({}); // all of them: a task we took for new may have been there unchanged all along
    }
    if (m_serverChangedMeanwhile)
        return finish(SyncOutcome::RetryLater, tr("the tasks kept changing on the server"),
                      "the tasks kept changing on the server");
    if (!m_written.empty() && m_round < kMaxRounds) {
        // From the token before our writes: the answer should hold them, and the token after them.
        m_checkingOwnWrites = true;
        return fetch(QByteArray::fromStdString(m_state.token));
    }
    if (m_malformed > 0)
        return finish(
            SyncOutcome::Malformed,
            tr("%n task(s) on the server could not be read; their items were left as they were", nullptr, m_malformed),
            std::to_string(m_malformed) +
                " task(s) on the server could not be read; their items were left as they were");
    finish(SyncOutcome::Ok);
}

void SyncRun::finish(SyncOutcome outcome, const QString& detail, const std::string& logged) {
    if (m_finished)
        return;
    m_finished = true;
    if (!logged.empty() || !detail.isEmpty())
        logLine("sync", logged.empty() ? detail.toStdString() : logged);
    const double now = plist_value::now()->secondsSince1970;
    m_state.lastResult = nameOf(outcome).toStdString();
    m_state.lastDetail = detail.toStdString();
    m_state.lastSyncSince1970 = now;
    if (outcome == SyncOutcome::Ok)
        m_state.lastGoodSyncSince1970 = now;
    m_state.refusedItems = m_refused;
    m_state.firstRefusal = m_firstRefusal.toStdString();
    // A failure's time is kept: it is what the status says.
    saveState(outcome != SyncOutcome::Ok);
    // Unless a save failed, the file holds this state now (bar the times of this sync): it goes back to be read from
    // there next time. After a failed save the file is read again.
    if (saved())
        m_stateFile.putBack(std::move(m_state), std::move(m_agreed));
    emit finished(SyncReport{outcome, m_summary, detail, m_refused, m_firstRefusal});
}

void SyncRun::saveState(bool evenForTheTimes) {
    if (!evenForTheTimes && saved())
        return;
    std::string why;
    if (!m_stateFile.save(m_state, &why)) {
        logLine("sync", "could not save " + m_stateFile.path() + " (" + why + "); the next sync meets the tasks again");
        return;
    }
    m_saved = withoutTasks(m_state);
    m_tasksChanged = false;
}

bool SyncRun::saved() {
    return !m_tasksChanged && sameButTimesAndTasks(m_state, m_saved);
}
