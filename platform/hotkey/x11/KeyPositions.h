// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// The X key code at the physical position a virtual key code names, on servers that number keys the way the
// kernel does (evdev, X key code = evdev code + 8). Nothing when the position has no key code below 256.
std::optional<std::uint8_t> xKeyCodeForVirtualKeyCode(std::uint16_t virtualKeyCode);
