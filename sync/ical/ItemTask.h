// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"
#include "VTodo.h"

namespace vtodo {

// The key of an item's dictionary that holds the UID of its task on the server.
inline constexpr const char* jotlingSyncUID = "JotlingSyncUID";

// The task an item's dictionary describes; an empty uid for an item that was never synced.
Task taskOfItem(const plist_value::Dictionary& item);

// Brings the item's title, check mark and UID to the task's. A creation date is set only on an item without one:
// items are found again by the identity of that date object.
void applyToItem(const Task& task, plist_value::Dictionary& item);

} // namespace vtodo
