// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"

#include <QImage>
#include <QPalette>
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

TEST(JLRedizadoBackgroundView, ADarkPaletteFillsTheBodyWithItsWindowColour)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x34));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    for (const auto &[palette, expected] : {std::pair{dark, QColor(0x30, 0x30, 0x34, 242)},
                                            std::pair{light, JLRedizadoBackgroundView::fillColor()}}) {
        JLRedizadoBackgroundView view;
        view.setPalette(palette);
        view.resize(300, 400);
        QImage image(300, 400, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor body = image.pixelColor(150, 200);
        EXPECT_NEAR(body.alpha(), expected.alpha(), 1);
        EXPECT_NEAR(body.red(), expected.red(), 1);
        EXPECT_NEAR(body.blue(), expected.blue(), 1);
    }
}
