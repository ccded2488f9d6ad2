// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLHotKeyManager.h"
#include "JLJotlingManager.h"
#include "MainInterface.h"
#include "MemoryAllDesktops.h"
#include "MemoryHotKeyService.h"
#include "MemoryLoginItems.h"
#include "MemoryStatusItem.h"
#include "MemoryUserDefaults.h"
#include "MemoryWorkspace.h"
#include "NotificationCenter.h"

#include <memory>
#include <string>

// Every service the program's interface runs on, in memory, for fixtures that build the whole interface.
struct InMemoryServices {
    // The whole interface, wired as the program wires it.
    void startInterface(MainInterface::Variant variant = MainInterface::Variant::Panel,
                        std::string appPath = "/usr/bin/redizado") {
        interface = std::make_unique<MainInterface>(
            JLStatusItemController::Services{defaults, center, statusItem, workspace, loginItems, hotKeyManager,
                                             std::move(appPath), pointerReadable},
            desktops, manager, variant);
    }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    MemoryStatusItem statusItem;
    MemoryWorkspace workspace;
    MemoryLoginItems loginItems;
    MemoryHotKeyService hotKeys;
    JLHotKeyManager hotKeyManager{hotKeys, defaults};
    MemoryAllDesktops desktops;
    bool pointerReadable = true;
    std::unique_ptr<MainInterface> interface;
};
