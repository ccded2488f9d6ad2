// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AgreedItems.h"
#include "CalDavClient.h"
#include "SyncMerge.h"
#include "SyncReport.h"
#include "SyncState.h"
#include "SyncStateFile.h"

#include <QObject>
#include <QString>

#include <memory>
#include <set>
#include <string>

class JLJotlingManager;

// One sync of the manager's items with the account's task calendar: changes fetched, merged, the merged list saved
// through the manager, the writes sent; when the server changed a task in between, fetched and merged again (a few
// times at most). After our own writes the changes are fetched once more, for the token that follows them: a server
// whose token follows the calendar's content would otherwise give back the old token when another client undoes our
// write, and hide that change. Every task is listed at the first sync of a day, and whenever the change list left
// out our own writes. A write the server turns down for one task is logged and reported, and the rest goes on. The
// state is saved after each round in which it changed. Finishes once, from the event loop: delete the run later
// (deleteLater), not in the slot.
class SyncRun final : public QObject {
    Q_OBJECT

public:
    SyncRun(const CalDavAccount& account, JLJotlingManager& manager, std::string statePath = SyncState::defaultPath(),
            QObject* parent = nullptr);
    // With the state file the caller keeps from one run to the next.
    SyncRun(const CalDavAccount& account, JLJotlingManager& manager, SyncStateFile& stateFile,
            QObject* parent = nullptr);
    ~SyncRun() override;

    // Once per run.
    void start();
    CalDavClient& client() { return *m_client; }

signals:
    void finished(const SyncReport& report);

private:
    SyncRun(const CalDavAccount& account, JLJotlingManager& manager, std::unique_ptr<SyncStateFile> ownStateFile,
            SyncStateFile* stateFile, QObject* parent);
    void fetch(const QByteArray& token);
    void merge(const CalDavChanges& changes);
    bool missesOwnWrites(const CalDavChanges& changes) const;
    void refused(const std::string& title, const CalDavResult& result);
    void pushed(const TaskPush& push, const CalDavResult& result, const QByteArray& etag);
    void removed(const TaskRemoval& removal, const CalDavResult& result);
    void writeAnswered(const CalDavResult& result);
    void roundDone();
    // detail is the user's; logged, when given, is the log's copy of it in English.
    void finish(SyncOutcome outcome, const QString& detail = {}, const std::string& logged = {});
    void saveState(bool evenForTheTimes = false);
    bool saved();

    JLJotlingManager& m_manager;
    std::unique_ptr<SyncStateFile> m_ownStateFile;
    SyncStateFile& m_stateFile;
    QString m_accountName;
    CalDavClient* m_client;
    // Taken from the state file and put back once saved: a sync that changed nothing writes nothing.
    SyncState m_state;
    // What was last read or saved, but the tasks, whose changes are followed instead: a copy of 10,000 tasks, or a
    // comparison of them, would cost more than a sync with nothing to do.
    SyncState m_saved;
    bool m_tasksChanged = false;
    // The list m_state's tasks agree with, when known.
    AgreedItems m_agreed;
    SyncSummary m_summary;
    int m_round = 0;
    int m_conflictRounds = 0;
    // Where this round's writes went, to find them in the changes fetched after them.
    std::set<std::string> m_written;
    bool m_checkingOwnWrites = false;
    std::set<std::string> m_refusedUids;
    int m_refused = 0;
    QString m_firstRefusal;
    int m_writesLeft = 0;
    int m_malformed = 0;
    bool m_serverChangedMeanwhile = false;
    std::optional<CalDavResult> m_writeFailure;
    bool m_finished = false;
};
