// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPositions.h"
#include "KeyNameTable.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {
// Positions, not characters: "Z" is the key right of left Shift on any layout, and a swapped pair (M/N, F3/F4)
// would silently grab the neighbouring key. X key code = evdev code + 8, written out from the kernel header rather
// than from the tables under test. Fn's evdev code, 464, is past the 255 an X key code can reach; "None" has no key
// of its own and is the position of A.
TEST(KeyPositions, AStoredNameLandsOnThePhysicalKey) {
    const std::pair<const char*, std::optional<int>> positions[] = {
        {"\u21A9", 36}, {"\u23B5", 65}, {"fn", std::nullopt},
        {"F12", 96},    {"F13", 191},   {"\u2190", 113},
        {"`", 49},      {"0", 19},      {"M", 58},
        {"N", 57},      {"None", 38}};
    for (const auto& [name, xKeyCode] : positions) {
        const auto entry = keyNameTable().find(name);
        ASSERT_NE(entry, keyNameTable().end()) << name;
        EXPECT_EQ(xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(entry->second)), xKeyCode) << name;
    }
}

// Two codes on one X key would grab it for either name.
TEST(KeyPositions, NoTwoCodesReachTheSameKey) {
    std::map<int, unsigned> owners;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        if (const auto xCode = xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(code))) {
            EXPECT_TRUE(owners.emplace(*xCode, code).second) << code << " shares X key code " << int(*xCode);
        }
    }
}
} // namespace
