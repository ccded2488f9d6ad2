// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/KeyPositions.h"
#include "shortcut/KeyNameTable.h"

#include <gtest/gtest.h>

#include <map>

namespace {
TEST(KeyPositions, EveryNamedKeyButFnHasItsOwnXKeyCode) {
    std::map<std::uint8_t, std::string> owners;
    for (const auto& [name, code] : keyNameTable()) {
        if (name == "None")
            continue;
        const auto xCode = xKeyCodeForVirtualKeyCode(static_cast<std::uint16_t>(code));
        if (name == "fn") {
            EXPECT_FALSE(xCode) << "fn has no X key code";
            continue;
        }
        ASSERT_TRUE(xCode) << name;
        const auto [owner, fresh] = owners.emplace(*xCode, name);
        EXPECT_TRUE(fresh) << name << " and " << owner->second << " share X key code " << int(*xCode);
    }
}

struct PositionRow {
    const char* name;
    std::uint16_t virtualKeyCode;
    int xKeyCode;
};

class XKeyCodes : public ::testing::TestWithParam<PositionRow> {};

// Positions, not characters: "Z" is the key right of left Shift on any layout.
TEST_P(XKeyCodes, VirtualKeyCodeLandsOnThePhysicalKey) {
    const auto xCode = xKeyCodeForVirtualKeyCode(GetParam().virtualKeyCode);
    ASSERT_TRUE(xCode);
    EXPECT_EQ(*xCode, GetParam().xKeyCode);
}

INSTANTIATE_TEST_SUITE_P(Table, XKeyCodes,
                         ::testing::Values(PositionRow{"A", 0, 38}, PositionRow{"Z", 6, 52},
                                           PositionRow{"Digit0", 29, 19}, PositionRow{"Space", 49, 65},
                                           PositionRow{"Return", 36, 36}, PositionRow{"Escape", 53, 9},
                                           PositionRow{"Grave", 50, 49}, PositionRow{"F1", 122, 67},
                                           PositionRow{"F11", 103, 95}, PositionRow{"F13", 105, 191},
                                           PositionRow{"F20", 90, 198}, PositionRow{"Left", 123, 113},
                                           PositionRow{"Up", 126, 111}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyPositions, CodesOutsideTheTableHaveNoKey) {
    for (std::uint16_t code : {10, 52, 65, 117, 127, 0xFFFF})
        EXPECT_FALSE(xKeyCodeForVirtualKeyCode(code)) << code;
}
} // namespace
