// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <gtest/gtest.h>

namespace {
// Bottom-left coordinates: a 1440x900 screen, y = 0 at its bottom; a 300x400 panel under a 22-pixel bar.
PanelFrame placed(QPointF anchor, std::optional<QRectF> icon, QRectF screen = QRectF(0, 0, 1440, 900)) {
    return panelFrameAtIcon(panelOrigin(anchor, {300, 400}, 900, 22), {300, 400}, anchor, icon, screen);
}
} // namespace

TEST(PanelPlacement, TheArrowPointsUpUnderAnIconAtTheTopAndDownAboveOneAtTheBottom) {
    const auto top = placed({1000, 878}, QRectF(989, 878, 22, 22));
    EXPECT_EQ(top.origin, QPointF(850, 478));
    EXPECT_EQ(top.arrowEdge, ArrowEdge::Top);
    EXPECT_EQ(top.arrowX, 150);
    // The tray's bar takes the bottom 30.
    const auto bottom = placed({1000, 4}, QRectF(989, 4, 22, 22), QRectF(0, 30, 1440, 870));
    EXPECT_EQ(bottom.arrowEdge, ArrowEdge::Bottom);
    EXPECT_EQ(bottom.origin, QPointF(850, 30));
}

TEST(PanelPlacement, NearTheScreensEdgeThePanelStaysWholeAndTheArrowFollowsTheIcon) {
    const auto right = placed({1430, 878}, QRectF(1419, 878, 22, 22));
    EXPECT_EQ(right.origin.x(), 1140);
    EXPECT_EQ(right.arrowX, 290);
    const auto left = placed({5, 878}, QRectF(0, 878, 11, 22));
    EXPECT_EQ(left.origin.x(), 0);
    EXPECT_EQ(left.arrowX, 5);
}
