// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>

// A task as it stood when this device and the server last agreed on it.
struct TaskState {
    std::string href;
    std::string etag;
    // The title and check mark both sides had then: a side whose value differs from these changed it.
    std::string title;
    bool completed = false;
    // The server's text of the task, written over so that what other clients set survives.
    std::string serverText;

    friend bool operator==(const TaskState&, const TaskState&) = default;
};

// What a write in flight sends. Its answer may be lost (the server or the link gone) after the server took it: the
// next sync then knows the task it finds as its own.
struct SentTask {
    std::string title;
    bool completed = false;

    friend bool operator==(const SentTask&, const SentTask&) = default;
};

// What the sync keeps between runs, in a file of its own beside the preferences.
struct SyncState {
    // Who the calendar was found for, and the calendar: another account starts afresh.
    std::string account;
    std::string calendar;
    std::string token;
    std::map<std::string, TaskState> tasks; // by UID
    // How the last sync ended and when; the reason when it failed.
    std::string lastResult;
    std::optional<double> lastSyncSince1970;
    std::string lastDetail;
    std::optional<double> lastGoodSyncSince1970;
    // Writes the server turned down at the last sync, and the first one's title and reason.
    int refusedItems = 0;
    std::string firstRefusal;
    // When every task's ETag was last listed: a server's change list is checked against a listing once a day.
    std::optional<double> lastFullListingSince1970;
    std::map<std::string, SentTask> sending; // by UID: writes sent whose answer did not come

    // $XDG_CONFIG_HOME/redizado/sync.plist
    static std::string defaultPath();
    // An empty state when there is no file; also, with the reason in whyNot, when it cannot be read: the sync then
    // meets every task anew, which loses nothing.
    static SyncState load(const std::string& path, std::string* whyNot = nullptr);
    // Atomically, readable by the user only; false with the reason when the old file was kept.
    bool save(const std::string& path, std::string* whyNot = nullptr) const;

    friend bool operator==(const SyncState&, const SyncState&) = default;
};
