// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLSegmentedControl.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {
struct CountCase {
    std::optional<std::int64_t> count;
    const char* shown;
    const char* spoken;
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << c.shown;
}

class SegmentCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(SegmentCount, ShowsAShortCountAndSaysTheWholeOne) {
    JLSegmentedControl control;
    control.setFirstLabel(QStringLiteral("To Do"));
    control.setCount(0, 5);
    control.setCount(0, GetParam().count);
    EXPECT_EQ(control.segmentButton(0)->text(), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(control.segmentButton(0)->accessibleName(), QString::fromUtf8(GetParam().spoken));
    EXPECT_EQ(control.firstLabel(), QStringLiteral("To Do"));
}

INSTANTIATE_TEST_SUITE_P(Counts, SegmentCount,
                         ::testing::Values(CountCase{std::nullopt, "To Do", "To Do"},
                                           CountCase{0, "To Do (0)", "To Do, 0 items"},
                                           CountCase{1, "To Do (1)", "To Do, 1 item"},
                                           CountCase{999, "To Do (999)", "To Do, 999 items"},
                                           CountCase{1000000, "To Do (999+)", "To Do, 1000000 items"}));

TEST(SegmentLabel, ANewLabelKeepsTheCount) {
    JLSegmentedControl control;
    control.setCount(0, 2);
    control.setFirstLabel(QStringLiteral("Open"));
    EXPECT_EQ(control.segmentButton(0)->text(), QStringLiteral("Open (2)"));
}
} // namespace
