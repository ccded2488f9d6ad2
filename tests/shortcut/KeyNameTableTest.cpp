// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyNameTable.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
// With the 79 names of KeyPositionsTest all found, the size rules out any extra name.
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
