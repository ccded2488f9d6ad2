// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotlingManager.h"
#include "SyncReport.h"
#include "SyncState.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A task as the server sent it.
struct ServerTask {
    std::string href;
    std::string etag;
    std::string icalendar;
};

struct ServerChanges {
    std::vector<ServerTask> changed;
    std::vector<std::string> removed; // hrefs
    // Every task on the server: a known task missing from it was removed there.
    bool wasFullListing = false;
};

// A write to the server: over the version with ETag ifMatch, or, without it, only where no task is yet.
struct TaskPush {
    std::string uid;
    std::string href;
    std::string icalendar;
    std::optional<std::string> ifMatch;
    // What both sides agree on once the server took it.
    std::string title;
    bool completed = false;
};

struct TaskRemoval {
    std::string uid;
    std::string href;
    std::string etag;
    std::string title; // for the log, should the server turn the removal down
};

struct SyncMerge {
    // The local list after the merge, newest first: records that did not change are the same objects.
    JLJotlingManager::List items;
    bool itemsChanged = false;
    std::vector<TaskPush> pushes;
    std::vector<TaskRemoval> removals;
    // The state to keep. A task still to be pushed or removed keeps the server's version it has now: when the write
    // fails, the next sync still sees the local change. A write that succeeds updates its entry.
    std::map<std::string, TaskState> tasks;
    // What changed here; the server's side is counted as the writes succeed.
    SyncSummary summary;
    // Server tasks that could not be read: their items and state were left as they were.
    int malformed = 0;
    // Lines for the log: what the merge chose where it could not keep both sides.
    std::vector<std::string> notes;
    // Nothing to send, nothing unreadable, every title as the server reads it back: the items and the tasks agree,
    // and a merge of them with nothing from the server would change nothing.
    bool settled = false;
};

// Three-way merge of the local items and the server's changes against the state of the last sync. Nothing is lost:
// - a property changed on one side takes that side's value; different properties changed on both sides both stay;
// - an item renamed differently on both sides becomes two: the task keeps the server's version (its title and the
//   properties other clients set), and this device's version goes on as a new task beside it; a check mark changed
//   on one side goes to both, whichever side's write got through first;
// - an item deleted on one side and changed on the other is kept; deleted on both, it is gone;
// - with no state to compare against (the calendar is met anew, or the state was lost), an item is matched to its
//   task by UID, else by the same title and creation time, so that nothing is doubled; done on either side is done
//   (what changed last cannot be told), and a title that differs takes the server's, with the one here logged;
// - an item without a UID gets one and goes to the server as new;
// - a server task that cannot be read leaves its item and its state as they were.
// - a task the server holds as this device last sent it (the answer to that write was lost) counts as agreed on;
// - a title goes out and is kept here as the server reads it back (CR LF as LF, no control characters, UTF-8), so
//   that a copy of this list elsewhere gets the same title and the next sync sees no change.
// hrefFor names the path of a new task on the server.
SyncMerge mergeChanges(const JLJotlingManager::List& items, const std::map<std::string, TaskState>& tasks,
                       const ServerChanges& server, const std::function<std::string(const std::string& uid)>& hrefFor,
                       const std::map<std::string, SentTask>& sending = {});

// The same merge for items that agree with the tasks (a settled merge left both, and no item changed since), with
// nothing in flight and no full listing: only the items whose tasks the server changed are read, and the tasks are
// moved through rather than copied.
SyncMerge mergeChangesAgreed(const JLJotlingManager::List& items, std::map<std::string, TaskState> tasks,
                             const ServerChanges& server,
                             const std::function<std::string(const std::string& uid)>& hrefFor);
