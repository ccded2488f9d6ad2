// SPDX-License-Identifier: GPL-3.0-or-later
#include "AgreedItems.h"

AgreedItems::AgreedItems(const JLJotlingManager::List& items) : m_known(true) {
    m_items.reserve(items.size());
    for (const auto& record : items)
        m_items.emplace_back(record, record->sharedDictionary());
}

bool AgreedItems::sameAs(const JLJotlingManager::List& items) const {
    if (!m_known || items.size() != m_items.size())
        return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& [record, dictionary] = m_items[i];
        const auto& now = items[i]->sharedDictionary();
        if (items[i] != record || now.has_value() != dictionary.has_value() || (now && !now->sameAs(*dictionary)))
            return false;
    }
    return true;
}
