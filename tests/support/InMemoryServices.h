// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainInterface.h"
#include "NotificationCenter.h"
#include "memory/MemoryAllDesktops.h"
#include "memory/MemoryHotKeyService.h"
#include "memory/MemoryLoginItems.h"
#include "memory/MemoryStatusItem.h"
#include "memory/MemoryUserDefaults.h"
#include "memory/MemoryWorkspace.h"
#include "shortcut/JLHotKeyManager.h"
#include "store/JLJotlingManager.h"

#include <memory>
#include <string>

// Every service the program's interface runs on, in memory, for fixtures that build the whole interface.
struct InMemoryServices {
    // The whole interface, wired as the program wires it.
    void startInterface(MainInterface::Variant variant = MainInterface::Variant::Panel,
                        std::string appPath = "/usr/bin/redizado") {
        interface = std::make_unique<MainInterface>(
            JLStatusItemController::Services{defaults, center, statusItem, workspace, loginItems,
                                             [this]() -> JLHotKeyManager& { return hotKeyManager; }, std::move(appPath),
                                             pointerReadable},
            desktops, &manager, variant);
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
