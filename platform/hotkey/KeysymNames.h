// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The keysym name of the key at a virtual key code on a US layout ("space", "t", "F3", "minus"), as desktop
// portals, GTK accelerators and compositor configurations name keys. Nothing for a key without one.
std::optional<std::string_view> keysymName(std::uint16_t virtualKeyCode);

// The word desktops show for the key at a virtual key code ("Space", "Esc", "T", "-"); empty for a key without a
// keysym name.
std::string keyWord(std::uint16_t virtualKeyCode);
// The word desktops show for one modifier bit ("Ctrl", "Super"); empty for anything else.
std::string_view modifierWord(std::uint32_t modifierBit);

// A combination in the words desktops show it in ("Ctrl+Space", "Super+Shift+T", "Alt+-"); empty for a key
// without a keysym name.
std::string readableCombination(std::uint16_t virtualKeyCode, std::uint32_t modifierMask);
