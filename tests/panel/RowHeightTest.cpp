// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowHeight.h"

#include <gtest/gtest.h>

TEST(RowHeight, AMeasuredHeightJustOverALineTakesTheNextHeight) {
    EXPECT_EQ(rowHeightForMeasuredHeight(25.0), 25.0);
    EXPECT_EQ(rowHeightForMeasuredHeight(25.5), 44.0);
    EXPECT_EQ(popoverRowHeightForMeasuredHeight(26.5), 44.0);
}
