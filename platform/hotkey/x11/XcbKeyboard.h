// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

struct xcb_connection_t;

// The core modifier bits (ControlMask, Mod1, Mod4, ShiftMask) for a hot-key modifier mask.
std::uint16_t xModifiers(std::uint32_t mask);

// CapsLock plus the ModN bits that NumLock and ScrollLock sit on in the server's modifier map.
std::uint16_t lockModifiers(xcb_connection_t* connection);

// Every combination of the given lock bits, the empty one first.
std::vector<std::uint16_t> lockVariants(std::uint16_t locks);

// Asks the server to send no release for a held key's repeats, or to send them again; returns whether it
// now sends none.
bool setDetectableAutoRepeat(xcb_connection_t* connection, bool detectable);
