// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Names of keys and modifiers, as the settings store them, and what the hot-key service takes for them.
using KeyNameMap = std::map<std::string, std::int32_t, std::less<>>;

// Key name to virtual key code: 79 fixed entries, exact and case-sensitive names.
const KeyNameMap& keyNameTable();

// "⌃", "⌥", "⌘" and "⇧" give their modifier bit; any other name, or none, gives 0.
std::uint32_t modifierMaskForName(std::optional<std::string_view> name);

// A stored name in the words the desktop and the shortcut's note use: "⌃" is "Ctrl", "⎵" is "Space". A name
// without such a word ("None", "fn") is its own.
std::string shownNameForStoredName(std::string_view name);
