// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotlingManager.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The list as a merge left it when its items and the state's tasks agreed (nothing to send, nothing unreadable): the
// very records and their dictionaries. Holding the dictionaries makes any later edit copy one, so a list that still
// holds all of these, in this order, was not changed since; a merge with nothing from the server would keep it all.
class AgreedItems {
public:
    AgreedItems() = default;
    explicit AgreedItems(const JLJotlingManager::List& items);

    bool known() const { return m_known; }
    // Each item the same record with the same dictionary: never true when nothing is known.
    bool sameAs(const JLJotlingManager::List& items) const;

private:
    using Dictionary = std::optional<plist_value::Shared<plist_value::Dictionary>>;
    std::vector<std::pair<std::shared_ptr<JLJotling>, Dictionary>> m_items;
    bool m_known = false;
};
