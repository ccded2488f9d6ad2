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

// Bottom-left coordinates: a 1440x900 screen, y = 0 at its bottom.
TEST(PanelPlacement, UnderAnIconAtTheTopTheArrowPointsUp)
{
    const QRectF screen(0, 0, 1440, 900);
    const QRectF icon(989, 878, 22, 22);
    const auto frame = panelFrameAtIcon(panelOrigin({1000, 878}, {300, 400}, 900, 22), {300, 400}, {1000, 878}, icon,
                                        screen);
    EXPECT_EQ(frame.origin, QPointF(850, 478));
    EXPECT_EQ(frame.arrowEdge, ArrowEdge::Top);
    EXPECT_EQ(frame.arrowX, 150);
}

TEST(PanelPlacement, AboveAnIconAtTheBottomTheArrowPointsDown)
{
    const QRectF screen(0, 30, 1440, 870); // the tray's bar takes the bottom 30
    const QRectF icon(989, 4, 22, 22);
    const auto frame = panelFrameAtIcon(panelOrigin({1000, 4}, {300, 400}, 900, 22), {300, 400}, {1000, 4}, icon,
                                        screen);
    EXPECT_EQ(frame.arrowEdge, ArrowEdge::Bottom);
    EXPECT_EQ(frame.origin, QPointF(850, 30));
}

TEST(PanelPlacement, NearTheScreensEdgeThePanelStaysWholeAndTheArrowFollowsTheIcon)
{
    const QRectF screen(0, 0, 1440, 900);
    const auto right = panelFrameAtIcon(panelOrigin({1430, 878}, {300, 400}, 900, 22), {300, 400}, {1430, 878},
                                        QRectF(1419, 878, 22, 22), screen);
    EXPECT_EQ(right.origin.x(), 1140);
    EXPECT_EQ(right.arrowX, 290);
    const auto left = panelFrameAtIcon(panelOrigin({5, 878}, {300, 400}, 900, 22), {300, 400}, {5, 878},
                                       QRectF(0, 878, 11, 22), screen);
    EXPECT_EQ(left.origin.x(), 0);
    EXPECT_EQ(left.arrowX, 5);
}

TEST(PanelPlacement, WithoutAnIconThePointerAnchorsIt)
{
    const QRectF screen(0, 0, 1440, 900);
    const auto frame = panelFrameAtIcon(panelOrigin({700, 890}, {300, 400}, 900, 22), {300, 400}, {700, 890},
                                        std::nullopt, screen);
    EXPECT_EQ(frame.origin, QPointF(550, 478));
}
