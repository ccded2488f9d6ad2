// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {
QImage render(int w, int h)
{
    JLRedizadoBackgroundView view;
    view.resize(w, h);
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    if (qEnvironmentVariableIsSet("REDIZADO_SAVE_RENDER"))
        image.save(qEnvironmentVariable("REDIZADO_SAVE_RENDER"));
    return image;
}
} // namespace

TEST(JLRedizadoBackgroundView, FillsBodyAndArrowAndLeavesTheRestClear)
{
    const QImage image = render(300, 400);
    const QColor fill = JLRedizadoBackgroundView::fillColor();
    const auto isFill = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.alpha() == fill.alpha() && c.red() == fill.red();
    };
    const auto isClear = [&](int x, int y) { return image.pixelColor(x, y).alpha() == 0; };

    EXPECT_TRUE(isFill(150, 200));
    EXPECT_TRUE(isFill(20, 30));   // just inside the top-left rounding
    EXPECT_TRUE(isFill(150, 3));   // near the arrow's apex
    EXPECT_TRUE(isFill(150, 15));  // arrow base meets the body
    EXPECT_TRUE(isClear(3, 200));  // left margin
    EXPECT_TRUE(isClear(296, 200));
    EXPECT_TRUE(isClear(150, 395)); // bottom margin
    EXPECT_TRUE(isClear(20, 5));   // beside the arrow
    EXPECT_TRUE(isClear(8, 16));   // the rounded corner is cut
}
