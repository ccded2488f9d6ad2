// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcut/KeyNameTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {
struct KeyRow {
    const char* label;
    const char* name;
    std::int32_t code;
};

class KeyNames : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyNames, NameGivesItsKeyPosition) {
    const auto entry = keyNameTable().find(GetParam().name);
    ASSERT_NE(entry, keyNameTable().end());
    EXPECT_EQ(entry->second, GetParam().code);
}

// The function keys are not numbered in code order, and the symbol names are easy to mistype.
INSTANTIATE_TEST_SUITE_P(
    Table, KeyNames,
    ::testing::Values(KeyRow{"F1", "F1", 122}, KeyRow{"F2", "F2", 120}, KeyRow{"F5", "F5", 96},
                      KeyRow{"F11", "F11", 103}, KeyRow{"F13", "F13", 105}, KeyRow{"F14", "F14", 107},
                      KeyRow{"F15", "F15", 113}, KeyRow{"F16", "F16", 106}, KeyRow{"F17", "F17", 64},
                      KeyRow{"F18", "F18", 79}, KeyRow{"F19", "F19", 80}, KeyRow{"F20", "F20", 90},
                      KeyRow{"Return", "\u21A9", 36}, KeyRow{"Space", "\u23B5", 49}, KeyRow{"Backspace", "\u232B", 51},
                      KeyRow{"CapsLock", "\u21EA", 57}, KeyRow{"Up", "\u2191", 126}, KeyRow{"Fn", "fn", 63},
                      KeyRow{"Backslash", "\\", 42}, KeyRow{"Grave", "`", 50}, KeyRow{"Digit5", "5", 23},
                      KeyRow{"Digit6", "6", 22}, KeyRow{"A", "A", 0}, KeyRow{"None", "None", 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(KeyNameTable, HoldsExactlyTheNamedKeysWithOnlyNoneSharingACode) {
    EXPECT_EQ(keyNameTable().size(), 79u);
    std::set<std::int32_t> codes;
    for (const auto& [name, code] : keyNameTable()) {
        EXPECT_GE(code, 0) << name;
        EXPECT_LE(code, 126) << name;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 78u);
}

TEST(KeyNameTable, NamesMatchExactlyAndModifiersAreNoKeys) {
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
