// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundGeometry.h"

#include <gtest/gtest.h>

TEST(BackgroundGeometry, TooShortOrNarrowGivesAnEmptyBodyNotAFlippedOne) {
    const auto tiny = backgroundGeometry(10, 20);
    EXPECT_GE(tiny.body.width(), 0);
    EXPECT_GE(tiny.body.height(), 0);
}

// Past the rounded corner the arrow would hang off the body.
TEST(BackgroundGeometry, AMovedArrowFollowsTheIconButStaysOnTheBody) {
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 40).arrow[0], QPointF(40, 400));
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 0).arrow[0].x(), 26);
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 1000).arrow[0].x(), 274);
    // Below the body the shape is mirrored.
    const auto bottom = backgroundGeometry(300, 400, ArrowEdge::Bottom, 1000);
    EXPECT_EQ(bottom.arrow[0], QPointF(274, 0));
    EXPECT_EQ(bottom.arrow[1].y(), bottom.body.top());
}
