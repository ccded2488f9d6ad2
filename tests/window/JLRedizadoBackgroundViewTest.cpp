// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"

#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

namespace {
QImage render(const QPalette& palette = QPalette(), bool arrow = true) {
    JLRedizadoBackgroundView view;
    view.setPalette(palette);
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
    const auto isFill = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.alpha() == fill.alpha() && c.red() == fill.red();
    };
    for (const QPoint inside : {QPoint(150, 200), QPoint(20, 30), QPoint(150, 3), QPoint(150, 15)})
        EXPECT_TRUE(isFill(inside.x(), inside.y())) << inside.x() << "," << inside.y();
    // The margins, beside the arrow, and the cut rounded corner.
    for (const QPoint outside : {QPoint(3, 200), QPoint(296, 200), QPoint(150, 395), QPoint(20, 5), QPoint(8, 16)})
        EXPECT_EQ(image.pixelColor(outside).alpha(), 0) << outside.x() << "," << outside.y();
}

TEST(JLRedizadoBackgroundView, WithoutTheArrowTheBodyFillsTheViewButItsRoundedCorners) {
    const QImage image = render(QPalette(), false);
    const QColor fill = JLRedizadoBackgroundView::fillColor();
    // Where the arrow and the margins were.
    for (const QPoint inside :
         {QPoint(150, 200), QPoint(1, 200), QPoint(298, 200), QPoint(150, 1), QPoint(20, 5), QPoint(150, 398)})
        EXPECT_EQ(image.pixelColor(inside).alpha(), fill.alpha()) << inside.x() << "," << inside.y();
    for (const QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 399), QPoint(299, 399)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
}

TEST(JLRedizadoBackgroundView, ADarkPaletteFillsTheBodyWithItsWindowColour) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x34));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    for (const auto& [palette, expected] :
         {std::pair{dark, QColor(0x30, 0x30, 0x34, 242)}, std::pair{light, JLRedizadoBackgroundView::fillColor()}}) {
        const QColor body = render(palette).pixelColor(150, 200);
        EXPECT_NEAR(body.alpha(), expected.alpha(), 1);
        EXPECT_NEAR(body.red(), expected.red(), 1);
        EXPECT_NEAR(body.blue(), expected.blue(), 1);
    }
}
