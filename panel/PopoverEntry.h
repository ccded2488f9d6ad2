// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

// Reading and building the item dictionaries the popover's lists hold.
namespace popover_entry {

using Entry = std::shared_ptr<const plist_value::Dictionary>;

// A new item: the three item keys only.
Entry make(plist_value::Value title, bool checked, plist_value::Date created);

// The title as text; nothing when the entry has none (or holds something else under its key).
std::optional<QString> title(const plist_value::Dictionary& entry);
// A missing flag reads as not checked.
bool isChecked(const plist_value::Dictionary& entry);
// Still to do: the flag is there and says not checked. An entry without a flag is in neither state.
bool isToDo(const plist_value::Dictionary& entry);
plist_value::Date createdDate(const plist_value::Dictionary& entry);

// Two entries are one item when they carry the very same creation-date object. An entry without a date is only
// ever the same item as itself, never every other undated entry.
bool sameItem(const Entry& a, const Entry& b);

} // namespace popover_entry
