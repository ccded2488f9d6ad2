// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowHeight.h"

#include <gtest/gtest.h>

struct HeightCase {
    const char* name;
    double (*heightFor)(double measured);
    double measured;
    double row;
};

class RowHeightBoundaries : public ::testing::TestWithParam<HeightCase> {};

TEST_P(RowHeightBoundaries, FallToTheLowerHeight) {
    EXPECT_EQ(GetParam().heightFor(GetParam().measured), GetParam().row);
}

constexpr auto panel = rowHeightForMeasuredHeight;
constexpr auto popover = popoverRowHeightForMeasuredHeight;

INSTANTIATE_TEST_SUITE_P(RowHeight, RowHeightBoundaries,
                         ::testing::Values(HeightCase{"oneLine", panel, 25.0, 25.0},
                                           HeightCase{"justOverOne", panel, 25.5, 44.0},
                                           HeightCase{"twoLines", panel, 44.0, 44.0},
                                           HeightCase{"justOverTwo", panel, 44.5, 63.0},
                                           HeightCase{"popoverOneLine", popover, 26.0, 26.0},
                                           HeightCase{"popoverJustOverOne", popover, 26.5, 44.0},
                                           HeightCase{"popoverJustOverTwo", popover, 44.5, 64.0}),
                         [](const auto& info) { return std::string(info.param.name); });

// How the label wraps real titles is checked on the panel's rows; these are the titles it is not shown there.
TEST(RowHeight, CountsLineBreaksAndWrapsAWordlessTitleAnywhere) {
    EXPECT_EQ(rowHeightForTitle(std::nullopt, 300.0), 25.0);
    EXPECT_EQ(rowHeightForTitle(QString(), 300.0), 25.0);
    EXPECT_EQ(rowHeightForTitle(QStringLiteral("a\nb"), 300.0), 44.0);
    EXPECT_EQ(rowHeightForTitle(QStringLiteral("a\nb\nc\nd"), 300.0), 63.0);
    EXPECT_EQ(rowHeightForTitle(QString(400, QLatin1Char('m')), 300.0), 63.0);
}

TEST(PopoverRowHeight, MeasuresAcrossTheWholeTableWidth) {
    // A title that just fills the panel's narrower title width still fits one popover line.
    QString words;
    while (rowHeightForTitle(words, 300.0) == 25.0)
        words += QStringLiteral("w");
    EXPECT_EQ(popoverRowHeightForTitle(words, 300.0), 26.0);
    EXPECT_EQ(popoverRowHeightForTitle(std::nullopt, 300.0), 26.0);
    EXPECT_EQ(popoverRowHeightForTitle(QStringLiteral("a\nb\nc\nd"), 300.0), 64.0);
}
