// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainInterface.h"
#include "NotificationCenter.h"
#include "memory/MemoryHotKeyService.h"
#include "memory/MemoryLoginItems.h"
#include "memory/MemoryStatusItem.h"
#include "memory/MemoryUserDefaults.h"
#include "memory/MemoryWorkspace.h"
#include "shortcut/JLHotKeyManager.h"
#include "store/JLJotlingManager.h"
#include "widgets/memory/MemoryAllDesktops.h"

#include <memory>

// Every service the program's interface runs on, in memory, for fixtures that build the whole interface.
struct InMemoryServices {
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    MemoryStatusItem statusItem;
    MemoryWorkspace workspace;
    MemoryLoginItems loginItems;
    MemoryHotKeyService hotKeys;
    JLHotKeyManager hotKeyManager{hotKeys, defaults};
    MemoryAllDesktops desktops;
    std::unique_ptr<MainInterface> interface;
};
