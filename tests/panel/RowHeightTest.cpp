// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowHeight.h"

#include <gtest/gtest.h>

TEST(RowHeight, AMeasuredHeightJustOverALineTakesTheNextHeight) {
    EXPECT_EQ(rowHeightForMeasuredHeight(25.0), 25.0);
    EXPECT_EQ(rowHeightForMeasuredHeight(25.5), 44.0);
    EXPECT_EQ(popoverRowHeightForMeasuredHeight(26.5), 44.0);
}

// How the label wraps real titles is checked on the panel's rows; these are the titles it is not shown there. The
// popover measures across the whole table width: a title that just fills the panel's title width fits one line.
TEST(RowHeight, CountsLineBreaksAndWrapsAWordlessTitleAnywhere) {
    EXPECT_EQ(rowHeightForTitle(std::nullopt, 300.0), 25.0);
    EXPECT_EQ(rowHeightForTitle(QStringLiteral("a\nb\nc\nd"), 300.0), 63.0);
    EXPECT_EQ(rowHeightForTitle(QString(400, QLatin1Char('m')), 300.0), 63.0);
    QString words;
    while (rowHeightForTitle(words, 300.0) == 25.0)
        words += QStringLiteral("w");
    EXPECT_EQ(popoverRowHeightForTitle(words, 300.0), 26.0);
    EXPECT_EQ(popoverRowHeightForTitle(QStringLiteral("a\nb\nc\nd"), 300.0), 64.0);
}
