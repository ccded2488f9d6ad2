// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPositions.h"
#include "KeyNameTable.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>

namespace {
struct PositionRow {
    const char* label; // the key as linux/input-event-codes.h names it: KEY_ENTER is "Enter", KEY_0 "Key0"
    const char* name;  // as the settings store it
    std::optional<int> xKeyCode;
};

// Failure reports and test names show the row, not its bytes.
void PrintTo(const PositionRow& row, std::ostream* out) {
    *out << row.label;
}

// X key code = evdev code + 8, written out from the kernel header rather than from the tables under test. Fn's
// evdev code, 464, is past the 255 an X key code can reach; "None" has no key of its own and is the position of A.
// clang-format off
constexpr PositionRow positions[] = {
    {"Enter", "\u21A9", 36}, {"Tab", "tab", 23}, {"Space", "\u23B5", 65}, {"Backspace", "\u232B", 22},
    {"Esc", "esc", 9}, {"CapsLock", "\u21EA", 66}, {"Fn", "fn", std::nullopt}, {"F1", "F1", 67}, {"F2", "F2", 68},
    {"F3", "F3", 69}, {"F4", "F4", 70}, {"F5", "F5", 71}, {"F6", "F6", 72}, {"F7", "F7", 73}, {"F8", "F8", 74},
    {"F9", "F9", 75}, {"F10", "F10", 76}, {"F11", "F11", 95}, {"F12", "F12", 96}, {"F13", "F13", 191},
    {"F14", "F14", 192}, {"F15", "F15", 193}, {"F16", "F16", 194}, {"F17", "F17", 195}, {"F18", "F18", 196},
    {"F19", "F19", 197}, {"F20", "F20", 198}, {"Left", "\u2190", 113}, {"Right", "\u2192", 114},
    {"Down", "\u2193", 116}, {"Up", "\u2191", 111}, {"Minus", "-", 20}, {"Equal", "=", 21}, {"Semicolon", ";", 47},
    {"Apostrophe", "'", 48}, {"Backslash", "\\", 51}, {"Dot", ".", 60}, {"Comma", ",", 59}, {"Slash", "/", 61},
    {"RightBrace", "]", 35}, {"LeftBrace", "[", 34}, {"Grave", "`", 49}, {"Key0", "0", 19}, {"Key1", "1", 10},
    {"Key2", "2", 11}, {"Key3", "3", 12}, {"Key4", "4", 13}, {"Key5", "5", 14}, {"Key6", "6", 15}, {"Key7", "7", 16},
    {"Key8", "8", 17}, {"Key9", "9", 18}, {"A", "A", 38}, {"B", "B", 56}, {"C", "C", 54}, {"D", "D", 40},
    {"E", "E", 26}, {"F", "F", 41}, {"G", "G", 42}, {"H", "H", 43}, {"I", "I", 31}, {"J", "J", 44}, {"K", "K", 45},
    {"L", "L", 46}, {"M", "M", 58}, {"N", "N", 57}, {"O", "O", 32}, {"P", "P", 33}, {"Q", "Q", 24}, {"R", "R", 27},
    {"S", "S", 39}, {"T", "T", 28}, {"U", "U", 30}, {"V", "V", 55}, {"W", "W", 25}, {"X", "X", 53}, {"Y", "Y", 29},
    {"Z", "Z", 52},
    {"None", "None", 38},
};
// clang-format on

class XKeyCodes : public ::testing::TestWithParam<PositionRow> {};

// Positions, not characters: "Z" is the key right of left Shift on any layout, and a swapped pair (M/N, F3/F4)
// would silently grab the neighbouring key.
TEST_P(XKeyCodes, AStoredNameLandsOnThePhysicalKey) {
    const auto entry = keyNameTable().find(GetParam().name);
    ASSERT_NE(entry, keyNameTable().end());
    EXPECT_EQ(xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(entry->second)), GetParam().xKeyCode);
}

INSTANTIATE_TEST_SUITE_P(Table, XKeyCodes, ::testing::ValuesIn(positions),
                         [](const auto& info) { return std::string(info.param.label); });

// No two positions are one physical key, so no two codes may grab the same X key; and with every row above
// checked, a count beyond theirs means a code outside the table reaches a key.
TEST(KeyPositions, OnlyTheListedCodesReachAKeyAndNoKeyTwice) {
    std::map<int, unsigned> owners;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        if (const auto xCode = xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(code))) {
            const auto [owner, fresh] = owners.emplace(*xCode, code);
            EXPECT_TRUE(fresh) << code << " and " << owner->second << " share X key code " << int(*xCode);
        }
    }
    std::set<int> listed;
    for (const PositionRow& row : positions)
        if (row.xKeyCode)
            listed.insert(*row.xKeyCode);
    EXPECT_EQ(owners.size(), listed.size());
}
} // namespace
