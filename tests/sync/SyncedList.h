// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemTask.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "TempFolder.h"

#include <map>
#include <string>
#include <utility>

// Title and check mark by UID: two lists agree when these are equal.
using Contents = std::map<std::string, std::pair<std::string, bool>>;

// One copy of the program's list: its own preferences, and a sync state file in a folder that does not exist yet.
struct SyncedList {
    TempFolder folder;
    std::string statePath = folder.path() + "/redizado/sync.plist";
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};

    std::string uidAt(std::size_t index) const { return taskAt(index).uid; }
    vtodo::Task taskAt(std::size_t index) const {
        return vtodo::taskOfItem(*std::as_const(*manager.redizado().at(index)).dictionary());
    }
    Contents contents() const {
        Contents contents;
        for (std::size_t i = 0; i < manager.redizado().size(); ++i)
            contents[uidAt(i)] = {taskAt(i).title, taskAt(i).completed};
        return contents;
    }
};
