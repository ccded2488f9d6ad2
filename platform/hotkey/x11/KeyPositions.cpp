// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPositions.h"

#include <array>
#include <utility>

namespace {
// Virtual key code (a position on the US layout) to the kernel's code for the key at that position. The kernel
// knows fn (464), but its X key code would be past 255.
// clang-format off
constexpr std::array<std::pair<std::uint16_t, std::uint16_t>, 78> evdevCodes{{
    // letters, digits and punctuation
    {0x00, 30}, {0x01, 31}, {0x02, 32}, {0x03, 33}, {0x04, 35}, {0x05, 34}, {0x06, 44}, {0x07, 45}, {0x08, 46},
    {0x09, 47}, {0x0B, 48}, {0x0C, 16}, {0x0D, 17}, {0x0E, 18}, {0x0F, 19}, {0x10, 21}, {0x11, 20}, {0x12, 2},
    {0x13, 3},  {0x14, 4},  {0x15, 5},  {0x16, 7},  {0x17, 6},  {0x18, 13}, {0x19, 10}, {0x1A, 8},  {0x1B, 12},
    {0x1C, 9},  {0x1D, 11}, {0x1E, 27}, {0x1F, 24}, {0x20, 22}, {0x21, 26}, {0x22, 23}, {0x23, 25}, {0x25, 38},
    {0x26, 36}, {0x27, 40}, {0x28, 37}, {0x29, 39}, {0x2A, 43}, {0x2B, 51}, {0x2C, 53}, {0x2D, 49}, {0x2E, 50},
    {0x2F, 52}, {0x32, 41},
    // Return, Tab, space bar, backspace, Escape, Caps Lock, fn
    {0x24, 28}, {0x30, 15}, {0x31, 57}, {0x33, 14}, {0x35, 1},  {0x39, 58}, {0x3F, 464},
    // F1 to F20
    {0x7A, 59}, {0x78, 60}, {0x63, 61}, {0x76, 62}, {0x60, 63}, {0x61, 64}, {0x62, 65}, {0x64, 66}, {0x65, 67},
    {0x6D, 68}, {0x67, 87}, {0x6F, 88}, {0x69, 183}, {0x6B, 184}, {0x71, 185}, {0x6A, 186}, {0x40, 187},
    {0x4F, 188}, {0x50, 189}, {0x5A, 190},
    // arrows: left, right, down, up
    {0x7B, 105}, {0x7C, 106}, {0x7D, 108}, {0x7E, 103},
}};
// clang-format on

constexpr std::uint16_t evdevToX = 8;
} // namespace

std::optional<std::uint8_t> xKeyCodeForVirtualKeyCode(std::uint16_t virtualKeyCode) {
    for (const auto& [virtualCode, evdevCode] : evdevCodes) {
        if (virtualCode != virtualKeyCode)
            continue;
        const unsigned xCode = evdevCode + evdevToX;
        if (xCode > 255)
            return std::nullopt;
        return static_cast<std::uint8_t>(xCode);
    }
    return std::nullopt;
}
