// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored keys and the notification names, spelled exactly as the preferences file holds them.
namespace keys {
inline constexpr const char* loadKeyStatus = "loadKeyStatus";
inline constexpr const char* launchAtLogin = "launchAtLogin";
inline constexpr const char* showToDoCount = "ShowToDoCount";
inline constexpr const char* squareIcon = "squareIcon";
inline constexpr const char* hideAfterEntry = "hideAfterEntry";
inline constexpr const char* toDoCountKey = "toDoCountKey";
inline constexpr const char* launchKeyTwo = "launchKeyTwo";
inline constexpr const char* shortcutKey = "shortcutKey";
inline constexpr const char* shortcutKeyCodeKey = "shortcutKeyCodeKey";
inline constexpr const char* shortcutModifierCodeKeyOne = "shortcutModifierCodeKeyOne";
inline constexpr const char* shortcutModifierCodeKeyTwo = "shortcutModifierCodeKeyTwo";
inline constexpr const char* switcherKey = "switcherKey";
inline constexpr const char* allRedizado = "allRedizado";
inline constexpr const char* loadKeyPopover = "loadKeyPopover";

inline constexpr const char* jotlingTitle = "JotlingTitle";
inline constexpr const char* jotlingCreatedDate = "JotlingCreatedDate";
inline constexpr const char* jotlingChecked = "JotlingChecked";

// The sync account; the password is in the desktop's keyring, never here. An empty address: sync is off.
inline constexpr const char* syncServerAddress = "SyncServerAddress";
inline constexpr const char* syncUserName = "SyncUserName";
inline constexpr const char* syncAllowsPlainHTTP = "SyncAllowsPlainHTTP";
} // namespace keys

namespace notifications {
inline constexpr const char* toDoCountChanged = "toDoCountChanged";
inline constexpr const char* popoverWillBecomeVisible = "popoverWillBecomeVisibleNotification";
inline constexpr const char* popoverVisible = "popoverVisibleNotification";
inline constexpr const char* popoverShouldBeDismissed = "popoverShouldBeDismissed";
} // namespace notifications
