// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundGeometry.h"

#include <gtest/gtest.h>

TEST(BackgroundGeometry, BodyAndArrowForEvenAndOddWidths) {
    const auto even = backgroundGeometry(300, 400);
    EXPECT_EQ(even.body, QRectF(8, 10, 284, 374));
    EXPECT_EQ(even.arrow[0], QPointF(150, 400));
    EXPECT_EQ(even.arrow[1], QPointF(138, 384));
    EXPECT_EQ(even.arrow[2], QPointF(162, 384));
    // An odd width keeps the arrow on the lower middle.
    const auto odd = backgroundGeometry(301, 400);
    EXPECT_EQ(odd.body, QRectF(8, 10, 285, 374));
    EXPECT_EQ(odd.arrow, even.arrow);
}

TEST(BackgroundGeometry, TooShortOrNarrowGivesAnEmptyBodyNotAFlippedOne) {
    const auto g = backgroundGeometry(300, 26);
    EXPECT_EQ(g.body.height(), 0);
    EXPECT_EQ(g.arrow[0], QPointF(150, 26));
    EXPECT_EQ(g.arrow[1].y(), 10);
    const auto tiny = backgroundGeometry(10, 20);
    EXPECT_GE(tiny.body.width(), 0);
    EXPECT_GE(tiny.body.height(), 0);
}

TEST(BackgroundGeometry, PathInWidgetCoordinatesPutsTheArrowOnTop) {
    const auto path = backgroundPath(backgroundGeometry(300, 400), 400);
    EXPECT_EQ(path.boundingRect(), QRectF(8, 0, 284, 400 - 10));
    EXPECT_TRUE(path.contains(QPointF(150, 4)));
    EXPECT_FALSE(path.contains(QPointF(20, 4)));
}

TEST(BackgroundGeometry, AnArrowBelowMirrorsTheShapeAndAMovedOneStaysOnTheBody) {
    const auto bottom = backgroundGeometry(300, 400, ArrowEdge::Bottom, 150);
    EXPECT_EQ(bottom.body, QRectF(8, 16, 284, 374));
    EXPECT_EQ(bottom.arrow[0], QPointF(150, 0));
    EXPECT_EQ(bottom.arrow[1], QPointF(138, 16));
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 150).arrow, backgroundGeometry(300, 400).arrow);
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 40).arrow[0], QPointF(40, 400));
    // Past the rounded corner the arrow would hang off the body.
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 0).arrow[0].x(), 26);
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 1000).arrow[0].x(), 274);
}
