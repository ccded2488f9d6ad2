// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcut/KeyNameTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {
// The function keys are not numbered in code order, and the symbol names are easy to mistype.
TEST(KeyNameTable, NamesGiveTheirKeyPositions) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"F1", 122}, {"F2", 120}, {"F5", 96}, {"F11", 103}, {"F14", 107}, {"F15", 113}, {"F16", 106},
        {"F17", 64}, {"F18", 79}, {"F19", 80}, {"F20", 90}, {"5", 23}, {"6", 22}, {"\\", 42},
        {"`", 50}, {"fn", 63}, {"None", 0}, {"\u21A9", 36}, {"\u232B", 51}, {"\u21EA", 57}, {"\u2191", 126}};
    for (const auto& [name, code] : rows) {
        const auto entry = keyNameTable().find(name);
        ASSERT_NE(entry, keyNameTable().end()) << name;
        EXPECT_EQ(entry->second, code) << name;
    }
}

TEST(KeyNameTable, OnlyNoneSharesACodeAndNamesMatchExactly) {
    std::set<std::int32_t> codes;
    for (const auto& [name, code] : keyNameTable()) {
        EXPECT_GE(code, 0) << name;
        EXPECT_LE(code, 126) << name;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), keyNameTable().size() - 1);
    // Modifiers are no keys.
    for (const char* name : {"a", "Tab", "TAB", "ESC", "f1", "\u21E7", "\u2303", "", " ", "space", "A "})
        EXPECT_EQ(keyNameTable().count(name), 0u) << name;
}

struct ModifierRow {
    const char* label;
    std::optional<std::string_view> name;
    std::uint32_t mask;
};

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
