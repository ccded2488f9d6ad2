// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <gtest/gtest.h>

TEST(PanelPlacement, HangsCentredUnderTheAnchorBelowTheBar)
{
    EXPECT_EQ(panelOrigin({1000, 0}, {300, 400}, 900, 22), QPointF(850, 478));
    // The anchor's height plays no part: the panel always meets the bar.
    EXPECT_EQ(panelOrigin({1000, 123}, {300, 400}, 900, 22), QPointF(850, 478));
}

TEST(PanelPlacement, OddWidthLeansHalfAPixelLeft)
{
    EXPECT_EQ(panelOrigin({1000, 0}, {301, 400}, 900, 22), QPointF(849, 478));
}
