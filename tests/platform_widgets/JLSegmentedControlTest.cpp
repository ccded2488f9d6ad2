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

class SegmentCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(SegmentCount, ShowsAShortCountAndSaysTheWholeOne) {
    JLSegmentedControl control;
    control.setFirstLabel(QStringLiteral("To Do"));
    control.setCount(0, 5);
    control.setCount(0, GetParam().count);
    EXPECT_EQ(control.segmentButton(0)->text(), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(control.segmentButton(0)->accessibleName(), QString::fromUtf8(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(Counts, SegmentCount,
                         ::testing::Values(CountCase{std::nullopt, "To Do", "To Do"},
                                           CountCase{1, "To Do (1)", "To Do, 1 item"},
                                           CountCase{1000000, "To Do (999+)", "To Do, 1000000 items"}));
} // namespace
