// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreReloader.h"

#include "JLJotlingManager.h"

#include <utility>

StoreReloader::StoreReloader(FileUserDefaults& defaults, JLJotlingManager& manager, std::function<void()> showReloaded)
    : m_defaults(defaults), m_manager(manager), m_showReloaded(std::move(showReloaded)) {}

FileUserDefaults::Reload StoreReloader::fileChanged() {
    const auto result = m_defaults.reloadIfChangedElsewhere();
    if (result != FileUserDefaults::Reload::reloaded)
        return result;
    // The lists first: the count's observers and the table read them back.
    m_manager.reloadData();
    if (m_showReloaded)
        m_showReloaded();
    return result;
}
