// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileUserDefaults.h"

#include <functional>

class JLJotlingManager;

// Brings a preferences file that someone else changed into the running program: the store's values, the item
// lists and the count, and then whatever shows them.
class StoreReloader final {
public:
    StoreReloader(FileUserDefaults& defaults, JLJotlingManager& manager, std::function<void()> showReloaded);

    // Called when the file may have changed.
    FileUserDefaults::Reload fileChanged();

private:
    FileUserDefaults& m_defaults;
    JLJotlingManager& m_manager;
    std::function<void()> m_showReloaded;
};
