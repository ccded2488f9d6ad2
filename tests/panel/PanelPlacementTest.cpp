// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <gtest/gtest.h>

// Bottom-left coordinates: a 1440x900 screen, y = 0 at its bottom, whose tray bar takes the bottom 30; a 300x400
// panel. (Under an icon at the top and near the right edge: the popover's placement test.)
TEST(PanelPlacement, AboveAnIconAtTheBottomLeftThePanelStaysWholeWithTheArrowDownOnTheIcon) {
    const QPointF anchor(5, 4);
    const auto placed = panelFrameAtIcon(panelOrigin(anchor, {300, 400}, 900, 22), {300, 400}, anchor,
                                         QRectF(0, 4, 11, 22), QRectF(0, 30, 1440, 870));
    EXPECT_EQ(placed.arrowEdge, ArrowEdge::Bottom);
    EXPECT_EQ(placed.origin, QPointF(0, 30));
    EXPECT_EQ(placed.arrowX, 5);
}
