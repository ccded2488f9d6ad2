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
};

// Three-way merge of the local items and the server's changes against the state of the last sync. Nothing is lost:
// - a property changed on one side takes that side's value; different properties changed on both sides both stay;
// - an item renamed differently on both sides becomes two: the task keeps the server's version (its title, its
//   check mark and the properties other clients set), and this device's version goes on as a new task beside it;
// - an item deleted on one side and changed on the other is kept; deleted on both, it is gone;
// - with no state to compare against (it was lost), an item checked on one side only stays to do: an item wrongly
//   left to do is seen and checked again, one wrongly checked drops out of the to-do list unseen;
// - an item without a UID gets one and goes to the server as new;
// - a server task that cannot be read leaves its item and its state as they were.
// hrefFor names the path of a new task on the server.
SyncMerge mergeChanges(const JLJotlingManager::List& items, const std::map<std::string, TaskState>& tasks,
                       const ServerChanges& server, const std::function<std::string(const std::string& uid)>& hrefFor);
