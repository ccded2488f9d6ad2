// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"
#include "BackgroundGeometry.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
QImage render(bool arrow = true) {
    JLRedizadoBackgroundView view;
    if (!arrow)
        view.hideArrow();
    view.resize(300, 400);
    QImage image(300, 400, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
} // namespace

TEST(JLRedizadoBackgroundView, FillsBodyAndArrowAndLeavesTheRestClear) {
    const QImage image = render();
    const QColor fill = JLRedizadoBackgroundView::fillColor();
    for (const QPoint inside : {QPoint(150, 200), QPoint(150, 3)}) {
        EXPECT_EQ(image.pixelColor(inside).alpha(), fill.alpha()) << inside.x() << "," << inside.y();
        EXPECT_EQ(image.pixelColor(inside).red(), fill.red()) << inside.x() << "," << inside.y();
    }
    // A margin, beside the arrow, and the cut rounded corner.
    for (const QPoint outside : {QPoint(3, 200), QPoint(20, 5), QPoint(8, 16)})
        EXPECT_EQ(image.pixelColor(outside).alpha(), 0) << outside.x() << "," << outside.y();
    // Without the arrow the body reaches the top, all but its rounded corners.
    EXPECT_EQ(render(false).pixelColor(1, 200).alpha(), fill.alpha());
    EXPECT_EQ(render(false).pixelColor(0, 0).alpha(), 0);
}

// Past the rounded corner the arrow would hang off the body; too short or narrow, the body is empty, not flipped.
TEST(BackgroundGeometry, AMovedArrowFollowsTheIconButStaysOnTheBody) {
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 40).arrow[0], QPointF(40, 400));
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 0).arrow[0].x(), 26);
    EXPECT_EQ(backgroundGeometry(300, 400, ArrowEdge::Top, 1000).arrow[0].x(), 274);
    // Below the body the shape is mirrored.
    const auto bottom = backgroundGeometry(300, 400, ArrowEdge::Bottom, 1000);
    EXPECT_EQ(bottom.arrow[0], QPointF(274, 0));
    EXPECT_EQ(bottom.arrow[1].y(), bottom.body.top());
    const auto tiny = backgroundGeometry(10, 20);
    EXPECT_GE(tiny.body.width(), 0);
    EXPECT_GE(tiny.body.height(), 0);
}
