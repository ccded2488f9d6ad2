// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A key combination as the desktop portal's shortcuts name it ("CTRL+ALT+space": modifiers, then the key's
// keysym name on a US layout). Nothing for a key the portal has no name for.
std::optional<QString> portalTrigger(std::uint16_t virtualKeyCode, std::uint32_t modifierMask);
