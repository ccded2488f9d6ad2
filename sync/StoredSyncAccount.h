// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncControl.h"

#include <optional>

class UserDefaults;

// The sync account as the preferences keep it; nothing while sync is off.
std::optional<SyncControl::Account> storedSyncAccount(const UserDefaults& defaults);
// The store removes no key: sync off is an empty address.
void storeSyncAccount(UserDefaults& defaults, const std::optional<SyncControl::Account>& account);
