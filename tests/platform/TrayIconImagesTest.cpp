// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/TrayIconImages.h"
#include "qt/CountBadge.h"
#include "qt/SymbolicTint.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

QImage blank(int edge) {
    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A glyph like the tray images: a dark ring on transparent ground.
QIcon ringIcon() {
    QImage image = blank(22);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

QImage at(const QIcon& icon, int edge) {
    return icon.pixmap(QSize(edge, edge), 1.0).toImage();
}

class CountBadgeAtEverySize : public ::testing::TestWithParam<int> {};

TEST_P(CountBadgeAtEverySize, TheCountChangesTheIconAndEachCountLooksDifferent) {
    const int edge = GetParam();
    const QIcon none = trayIconImages(ringIcon(), true, Qt::black, "");
    const QIcon three = trayIconImages(ringIcon(), true, Qt::black, "3");
    const QIcon eight = trayIconImages(ringIcon(), true, Qt::black, "8");
    ASSERT_EQ(at(three, edge).size(), QSize(edge, edge));
    EXPECT_NE(at(none, edge), at(three, edge));
    EXPECT_NE(at(three, edge), at(eight, edge));
}

TEST_P(CountBadgeAtEverySize, LongCountsStayInsideTheIcon) {
    const int edge = GetParam();
    for (const QString& count : {QStringLiteral("999"), QStringLiteral("-12345")}) {
        const CountBadgeLayout layout = countBadgeLayout(edge, count);
        EXPECT_TRUE(QRectF(0, 0, edge, edge).contains(layout.badge)) << count.toStdString();
        EXPECT_LE(layout.textWidth, layout.badge.width() - 2 * layout.outlineWidth) << count.toStdString();

        // Drawn on a larger canvas, nothing may land outside the icon's square.
        QImage canvas = blank(3 * edge);
        QPainter painter(&canvas);
        painter.translate(edge, edge);
        drawCountBadge(painter, edge, count);
        painter.end();
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (!QRect(edge, edge, edge, edge).contains(x, y)) {
                    ASSERT_EQ(qAlpha(canvas.pixel(x, y)), 0) << count.toStdString() << " at " << x << "," << y;
                }
    }
}

INSTANTIATE_TEST_SUITE_P(TraySizes, CountBadgeAtEverySize, ::testing::ValuesIn(kTrayIconSizes));

TEST(CountBadge, UpToThreeDigitsKeepTheirShapeAtTheSmallestSize) {
    for (const QString& count : {QStringLiteral("7"), QStringLiteral("42"), QStringLiteral("999")}) {
        const CountBadgeLayout layout = countBadgeLayout(16, count);
        EXPECT_GE(layout.font.pixelSize(), 6) << count.toStdString();
        EXPECT_GT(layout.horizontalScale, 0.8) << count.toStdString();
    }
}

TEST(TrayIconImages, EverySizeIsThereAndOnlyTemplatesAreRecoloured) {
    QImage red = blank(22);
    red.fill(Qt::red);
    const QIcon source(QPixmap::fromImage(red));

    const QIcon tinted = trayIconImages(source, true, Qt::blue, "");
    const QIcon kept = trayIconImages(source, false, Qt::blue, "");

    EXPECT_EQ(tinted.availableSizes().size(), static_cast<qsizetype>(kTrayIconSizes.size()));
    for (const int edge : kTrayIconSizes) {
        EXPECT_EQ(QColor(at(tinted, edge).pixel(edge / 2, edge / 2)), QColor(Qt::blue)) << edge;
        EXPECT_EQ(QColor(at(kept, edge).pixel(edge / 2, edge / 2)), QColor(Qt::red)) << edge;
    }
    EXPECT_TRUE(trayIconImages(QIcon(), true, Qt::blue, "").isNull());
    EXPECT_TRUE(loadTrayImage("noSuchImage").isNull());
    EXPECT_FALSE(trayIconImages(QIcon(), true, Qt::blue, "4").isNull());
}

// Each panel size at 1x, 1.5x and 2x has a drawing of its own, the count drawn at that many pixels: a copy
// scaled from a neighbouring size would blur the digits.
TEST(TrayIconImages, TheCountIsDrawnAtEveryScreenScale) {
    const QIcon icon = trayIconImages(ringIcon(), true, Qt::black, "7");
    const QList<QSize> drawn = icon.availableSizes();
    for (const int edge : {16, 22, 24, 32, 48})
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            const int pixels = qRound(edge * scale);
            ASSERT_TRUE(drawn.contains(QSize(pixels, pixels))) << edge << "@" << scale;
            QImage shown = icon.pixmap(QSize(edge, edge), scale).toImage().convertToFormat(QImage::Format_ARGB32);
            shown.setDevicePixelRatio(1);
            EXPECT_EQ(shown, at(icon, pixels).convertToFormat(QImage::Format_ARGB32)) << edge << "@" << scale;
            if (const QString dir = qEnvironmentVariable("REDIZADO_SHOTS_DIR"); !dir.isEmpty() && edge == 22)
                shown.save(QStringLiteral("%1/tray-count-22-%2x.png").arg(dir, QString::number(scale)));
        }
}

TEST(SymbolicTint, TakesTheColourAndKeepsEachPixelsCoverage) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, QColor(200, 10, 10, 255));
    image.setPixelColor(1, 0, QColor(10, 200, 10, 128));
    image.setPixelColor(2, 0, QColor(0, 0, 0, 0));
    const QColor text(0x20, 0x40, 0xe0);

    const QImage tinted = tintedLikeSymbolic(image, text).convertToFormat(QImage::Format_ARGB32);

    EXPECT_EQ(tinted.pixelColor(0, 0), text);
    const QColor half = tinted.pixelColor(1, 0);
    EXPECT_NEAR(half.alpha(), 128, 1);
    EXPECT_NEAR(half.red(), text.red(), 2);
    EXPECT_NEAR(half.green(), text.green(), 2);
    EXPECT_NEAR(half.blue(), text.blue(), 2);
    EXPECT_EQ(tinted.pixelColor(2, 0).alpha(), 0);
    EXPECT_EQ(tinted.size(), image.size());
}

struct TrayImage {
    const char* name;
    bool isTemplate;
};

class TrayImages : public ::testing::TestWithParam<TrayImage> {};

// Template images are silhouettes (only their coverage counts); the shown-state ones carry their own colour.
TEST_P(TrayImages, LoadAtEveryTraySizeInTheirKind) {
    const QIcon icon = loadTrayImage(GetParam().name);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), static_cast<qsizetype>(kTrayIconSizes.size()));
    for (const int edge : kTrayIconSizes) {
        const QImage image = icon.pixmap(QSize(edge, edge), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(edge, edge));
        int covered = 0, coloured = 0;
        for (int y = 0; y < edge; ++y)
            for (int x = 0; x < edge; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                covered += pixel.alpha() > 128;
                coloured += pixel.alpha() > 128 && pixel.saturation() > 64;
            }
        EXPECT_GT(covered, edge * edge / 10) << edge;
        EXPECT_EQ(coloured > 0, !GetParam().isTemplate) << edge;
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, TrayImages,
                         ::testing::Values(TrayImage{"redizadoStatusItemIcon", true},
                                           TrayImage{"redizadoStatusItemIconAlternate", false},
                                           TrayImage{"redizadoStatusItemIconRound", true},
                                           TrayImage{"redizadoStatusItemIconRoundAlternate", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
