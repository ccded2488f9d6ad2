// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"

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
