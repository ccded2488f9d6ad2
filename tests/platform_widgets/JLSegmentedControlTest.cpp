// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLSegmentedControl.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace {
struct CountCase {
    std::optional<std::int64_t> count;
    const char* shown;
    const char* spoken;
};

// Table rows, not a parameterised suite: the cases must keep stable test names.
TEST(SegmentCount, ShowsAShortCountAndSaysTheWholeOne) {
    for (const auto& [count, shown, spoken] :
         {CountCase{std::nullopt, "To Do", "To Do"}, CountCase{1, "To Do (1)", "To Do, 1 item"},
          CountCase{9999, "To Do (9999)", "To Do, 9999 items"},
          CountCase{1000000, "To Do (9999+)", "To Do, 1000000 items"}}) {
        JLSegmentedControl control;
        control.setFirstLabel(QStringLiteral("To Do"));
        control.setCount(0, 5);
        control.setCount(0, count);
        EXPECT_EQ(control.segmentButton(0)->text(), QString::fromUtf8(shown));
        EXPECT_EQ(control.segmentButton(0)->accessibleName(), QString::fromUtf8(spoken));
    }
}
} // namespace
