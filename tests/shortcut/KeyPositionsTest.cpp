// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPositions.h"
#include "KeyNameTable.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>

namespace {
struct PositionRow {
    const char* label; // the key as linux/input-event-codes.h names it: KEY_ENTER is "Enter", KEY_0 "Key0"
    std::uint16_t virtualKeyCode;
    std::optional<int> xKeyCode;
};

// Failure reports and test names show the row, not its bytes.
void PrintTo(const PositionRow& row, std::ostream* out) {
    *out << row.label;
}

// X key code = evdev code + 8, written out from the kernel header rather than from the table under test.
// clang-format off
constexpr PositionRow positions[] = {
    {"Enter", 36, 36}, {"Tab", 48, 23}, {"Space", 49, 65}, {"Backspace", 51, 22}, {"Esc", 53, 9},
    {"CapsLock", 57, 66},
    {"Fn", 63, std::nullopt}, // evdev 464: past the 255 an X key code can reach
    {"F1", 122, 67}, {"F2", 120, 68}, {"F3", 99, 69}, {"F4", 118, 70}, {"F5", 96, 71}, {"F6", 97, 72},
    {"F7", 98, 73}, {"F8", 100, 74}, {"F9", 101, 75}, {"F10", 109, 76}, {"F11", 103, 95}, {"F12", 111, 96},
    {"F13", 105, 191}, {"F14", 107, 192}, {"F15", 113, 193}, {"F16", 106, 194}, {"F17", 64, 195},
    {"F18", 79, 196}, {"F19", 80, 197}, {"F20", 90, 198},
    {"Left", 123, 113}, {"Right", 124, 114}, {"Down", 125, 116}, {"Up", 126, 111},
    {"Minus", 27, 20}, {"Equal", 24, 21}, {"Semicolon", 41, 47}, {"Apostrophe", 39, 48}, {"Backslash", 42, 51},
    {"Dot", 47, 60}, {"Comma", 43, 59}, {"Slash", 44, 61}, {"RightBrace", 30, 35}, {"LeftBrace", 33, 34},
    {"Grave", 50, 49},
    {"Key0", 29, 19}, {"Key1", 18, 10}, {"Key2", 19, 11}, {"Key3", 20, 12}, {"Key4", 21, 13},
    {"Key5", 23, 14}, {"Key6", 22, 15}, {"Key7", 26, 16}, {"Key8", 28, 17}, {"Key9", 25, 18},
    {"A", 0, 38}, {"B", 11, 56}, {"C", 8, 54}, {"D", 2, 40}, {"E", 14, 26}, {"F", 3, 41}, {"G", 5, 42},
    {"H", 4, 43}, {"I", 34, 31}, {"J", 38, 44}, {"K", 40, 45}, {"L", 37, 46}, {"M", 46, 58}, {"N", 45, 57},
    {"O", 31, 32}, {"P", 35, 33}, {"Q", 12, 24}, {"R", 15, 27}, {"S", 1, 39}, {"T", 17, 28}, {"U", 32, 30},
    {"V", 9, 55}, {"W", 13, 25}, {"X", 7, 53}, {"Y", 16, 29}, {"Z", 6, 52},
};
// clang-format on

class XKeyCodes : public ::testing::TestWithParam<PositionRow> {};

// Positions, not characters: "Z" is the key right of left Shift on any layout.
TEST_P(XKeyCodes, VirtualKeyCodeLandsOnThePhysicalKey) {
    const std::optional<int> xCode = xKeyCodeForVirtualKeyCode(GetParam().virtualKeyCode);
    EXPECT_EQ(xCode, GetParam().xKeyCode);
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
    EXPECT_EQ(owners.size(), std::size(positions) - 1); // all but fn
}

// A name the settings can store but no key to grab for it would make the shortcut silently dead.
TEST(KeyPositions, EveryNamedKeyButFnHasAnXKeyCode) {
    for (const auto& [name, code] : keyNameTable()) {
        if (name != "fn") {
            EXPECT_TRUE(xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(code))) << name;
        }
    }
}
} // namespace
