// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyNameTable.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
struct KeyNameRow {
    const char* label;
    const char* name;
    std::int32_t code;
};

// Failure reports and test names show the row, not its bytes.
void PrintTo(const KeyNameRow& row, std::ostream* out) {
    *out << row.label;
}

class KeyNames : public ::testing::TestWithParam<KeyNameRow> {};

// Codes are key positions, so a swapped pair (M/N, F3/F4) silently grabs the neighbouring key.
TEST_P(KeyNames, NameGivesItsKeyPosition) {
    const auto entry = keyNameTable().find(GetParam().name);
    ASSERT_NE(entry, keyNameTable().end());
    EXPECT_EQ(entry->second, GetParam().code);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, KeyNames, ::testing::Values(
    KeyNameRow{"Return", "\u21A9", 36}, KeyNameRow{"Tab", "tab", 48}, KeyNameRow{"Space", "\u23B5", 49},
    KeyNameRow{"Backspace", "\u232B", 51}, KeyNameRow{"Escape", "esc", 53}, KeyNameRow{"CapsLock", "\u21EA", 57},
    KeyNameRow{"Fn", "fn", 63},
    KeyNameRow{"F1", "F1", 122}, KeyNameRow{"F2", "F2", 120}, KeyNameRow{"F3", "F3", 99},
    KeyNameRow{"F4", "F4", 118}, KeyNameRow{"F5", "F5", 96}, KeyNameRow{"F6", "F6", 97},
    KeyNameRow{"F7", "F7", 98}, KeyNameRow{"F8", "F8", 100}, KeyNameRow{"F9", "F9", 101},
    KeyNameRow{"F10", "F10", 109}, KeyNameRow{"F11", "F11", 103}, KeyNameRow{"F12", "F12", 111},
    KeyNameRow{"F13", "F13", 105}, KeyNameRow{"F14", "F14", 107}, KeyNameRow{"F15", "F15", 113},
    KeyNameRow{"F16", "F16", 106}, KeyNameRow{"F17", "F17", 64}, KeyNameRow{"F18", "F18", 79},
    KeyNameRow{"F19", "F19", 80}, KeyNameRow{"F20", "F20", 90},
    KeyNameRow{"Left", "\u2190", 123}, KeyNameRow{"Right", "\u2192", 124}, KeyNameRow{"Down", "\u2193", 125},
    KeyNameRow{"Up", "\u2191", 126},
    KeyNameRow{"Minus", "-", 27}, KeyNameRow{"Equals", "=", 24}, KeyNameRow{"Semicolon", ";", 41},
    KeyNameRow{"Quote", "'", 39}, KeyNameRow{"Backslash", "\\", 42}, KeyNameRow{"Period", ".", 47},
    KeyNameRow{"Comma", ",", 43}, KeyNameRow{"Slash", "/", 44}, KeyNameRow{"RightBracket", "]", 30},
    KeyNameRow{"LeftBracket", "[", 33}, KeyNameRow{"Grave", "`", 50},
    KeyNameRow{"Digit0", "0", 29}, KeyNameRow{"Digit1", "1", 18}, KeyNameRow{"Digit2", "2", 19},
    KeyNameRow{"Digit3", "3", 20}, KeyNameRow{"Digit4", "4", 21}, KeyNameRow{"Digit5", "5", 23},
    KeyNameRow{"Digit6", "6", 22}, KeyNameRow{"Digit7", "7", 26}, KeyNameRow{"Digit8", "8", 28},
    KeyNameRow{"Digit9", "9", 25},
    KeyNameRow{"A", "A", 0}, KeyNameRow{"B", "B", 11}, KeyNameRow{"C", "C", 8}, KeyNameRow{"D", "D", 2},
    KeyNameRow{"E", "E", 14}, KeyNameRow{"F", "F", 3}, KeyNameRow{"G", "G", 5}, KeyNameRow{"H", "H", 4},
    KeyNameRow{"I", "I", 34}, KeyNameRow{"J", "J", 38}, KeyNameRow{"K", "K", 40}, KeyNameRow{"L", "L", 37},
    KeyNameRow{"M", "M", 46}, KeyNameRow{"N", "N", 45}, KeyNameRow{"O", "O", 31}, KeyNameRow{"P", "P", 35},
    KeyNameRow{"Q", "Q", 12}, KeyNameRow{"R", "R", 15}, KeyNameRow{"S", "S", 1}, KeyNameRow{"T", "T", 17},
    KeyNameRow{"U", "U", 32}, KeyNameRow{"V", "V", 9}, KeyNameRow{"W", "W", 13}, KeyNameRow{"X", "X", 7},
    KeyNameRow{"Y", "Y", 16}, KeyNameRow{"Z", "Z", 6},
    // No key of its own: the position of "A".
    KeyNameRow{"None", "None", 0}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// With the 79 rows above all found, the size rules out any extra name.
TEST(KeyNameTable, HoldsOnlyTheListedNamesMatchedExactly) {
    EXPECT_EQ(keyNameTable().size(), 79u);
    // Modifiers are no keys.
    for (const char* name : {"a", "Tab", "TAB", "ESC", "f1", "\u21E7", "\u2303", "", " ", "space", "A "})
        EXPECT_EQ(keyNameTable().count(name), 0u) << name;
}

struct ModifierRow {
    const char* label;
    std::optional<std::string_view> name;
    std::uint32_t mask;
};

void PrintTo(const ModifierRow& row, std::ostream* out) {
    *out << row.label;
}

class ModifierNames : public ::testing::TestWithParam<ModifierRow> {};

TEST_P(ModifierNames, NameGivesItsMask) {
    EXPECT_EQ(modifierMaskForName(GetParam().name), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModifierNames,
    ::testing::Values(ModifierRow{"Control", "\u2303", 0x1000}, ModifierRow{"Option", "\u2325", 0x0800},
                      ModifierRow{"Command", "\u2318", 0x0100}, ModifierRow{"Shift", "\u21E7", 0x0200},
                      ModifierRow{"None", "None", 0}, ModifierRow{"Empty", "", 0},
                      ModifierRow{"Absent", std::nullopt, 0},
                      // Look-alikes and near misses: only the exact code points count.
                      ModifierRow{"Circumflex", "^", 0}, ModifierRow{"CapsLockIsAKey", "\u21EA", 0},
                      ModifierRow{"UpArrowIsAKey", "\u2191", 0}, ModifierRow{"TwoModifiers", "\u2303\u2325", 0},
                      ModifierRow{"TrailingSpace", "\u2318 ", 0}, ModifierRow{"Spelled", "ctrl", 0},
                      ModifierRow{"TruncatedUtf8", std::string_view("\xE2\x8C", 2), 0}),
    [](const auto& info) { return std::string(info.param.label); });
} // namespace
