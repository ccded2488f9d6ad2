// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"
#include "Contrast.h"
#include "CountBadge.h"
#include "SymbolicTint.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <tuple>

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

QImage over(const QImage& icon, const QColor& bar) {
    QImage out(icon.size(), QImage::Format_ARGB32);
    out.fill(bar);
    QPainter(&out).drawImage(0, 0, icon);
    return out;
}

// Pixels of the icon, shown on the bar, that stand out from it by 3:1 or more, outside the excluded box.
int standingOut(const QImage& shown, const QColor& bar, const QRect& excluded = {}) {
    int n = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            n += !excluded.contains(x, y) && contrast(shown.pixelColor(x, y), bar) >= 3;
    return n;
}

QRect changedBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Measured height of the count's digits: light pixels enclosed by the badge's red across and down.
int digitHeight(const QImage& shown) {
    const auto red = [&](int x, int y) {
        const QColor c = shown.pixelColor(x, y);
        return c.red() > 150 && c.green() < 100;
    };
    const auto redAlong = [&](int x, int y, int dx, int dy) {
        for (x += dx, y += dy; x >= 0 && y >= 0 && x < shown.width() && y < shown.height(); x += dx, y += dy)
            if (red(x, y))
                return true;
        return false;
    };
    int top = shown.height(), bottom = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y).green() > 128 && redAlong(x, y, 1, 0) && redAlong(x, y, -1, 0) &&
                redAlong(x, y, 0, 1) && redAlong(x, y, 0, -1)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

const QColor kBars[] = {Qt::black, QColor(0x2e, 0x34, 0x36), QColor(0xd6, 0xd6, 0xd6), Qt::white};
const char* const kImages[] = {"redizadoStatusItemIcon", "redizadoStatusItemIconAlternate",
                               "redizadoStatusItemIconRound", "redizadoStatusItemIconRoundAlternate"};
const char* const kCounts[] = {"", "7", "42", "128"};

// The images handed to the tray, made once per image and count.
QImage trayImage(const char* name, int edge, const QString& count) {
    static std::map<std::pair<QString, QString>, QIcon> made;
    const QString image = QString::fromLatin1(name);
    auto [it, added] = made.try_emplace({image, count});
    if (added)
        it->second = trayIconImages(loadTrayImage(image), !image.endsWith(QLatin1String("Alternate")), count);
    return at(it->second, edge);
}

struct Size {
    int edge;
    int digits; // the least digit height that reads at that size
};
// The common bar sizes and their doubles.
const Size kSizes[] = {{16, 9}, {22, 12}, {24, 12}, {32, 18}, {44, 24}, {48, 24}, {64, 36}};

class OnEveryBar : public ::testing::TestWithParam<std::tuple<const char*, Size, const char*>> {};

// Over black, dark grey, light grey and white bars alike: the glyph, and the badge with digits tall enough.
TEST_P(OnEveryBar, TheGlyphAndTheCountStandOutFromTheBar) {
    const auto [name, size, count] = GetParam();
    const QImage plain = trayImage(name, size.edge, "");
    const QImage icon = trayImage(name, size.edge, count);
    const QRect badge = changedBox(plain, icon);
    ASSERT_EQ(badge.isEmpty(), QString::fromLatin1(count).isEmpty());
    for (const QColor& bar : kBars) {
        const QImage shown = over(icon, bar);
        // Alone, a good share of the icon; beside a badge that covers most of it, a third of a stroke across it.
        EXPECT_GE(standingOut(shown, bar, badge), badge.isEmpty() ? size.edge * size.edge / 6 : size.edge / 3)
            << qPrintable(bar.name());
        if (badge.isEmpty())
            continue;
        EXPECT_GE(standingOut(shown, bar) - standingOut(shown, bar, badge), badge.width() * badge.height() / 4)
            << qPrintable(bar.name());
        EXPECT_GE(digitHeight(shown), size.digits) << qPrintable(bar.name());
    }
}

std::string caseName(const ::testing::TestParamInfo<OnEveryBar::ParamType>& info) {
    const auto& [name, size, count] = info.param;
    return (std::string("Square") + (name + 22)) + "_" + std::to_string(size.edge) + "px_" +
           (*count ? std::string("count") + count : std::string("noCount"));
}

INSTANTIATE_TEST_SUITE_P(Tray, OnEveryBar,
                         ::testing::Combine(::testing::ValuesIn(kImages), ::testing::ValuesIn(kSizes),
                                            ::testing::ValuesIn(kCounts)),
                         caseName);

// Hidden from shown, and one icon shape from the other, still tell apart beside the badge.
TEST(TrayIconImages, TheFourImagesStayApartOnEveryBar) {
    for (const Size& size : kSizes)
        for (const char* count : kCounts)
            for (const QColor& bar : kBars) {
                QImage shown[4];
                for (int i = 0; i < 4; ++i)
                    shown[i] = over(trayImage(kImages[i], size.edge, count), bar);
                const QRect badge = changedBox(over(trayImage(kImages[0], size.edge, ""), bar), shown[0]);
                for (int i = 0; i < 4; ++i)
                    for (int j = i + 1; j < 4; ++j) {
                        int apart = 0;
                        for (int y = 0; y < size.edge; ++y)
                            for (int x = 0; x < size.edge; ++x)
                                apart += !badge.contains(x, y) &&
                                         contrast(shown[i].pixelColor(x, y), shown[j].pixelColor(x, y)) >= 2;
                        EXPECT_GE(apart, size.edge / 4) << kImages[i] << " " << kImages[j] << " " << size.edge << "px "
                                                        << count << " " << qPrintable(bar.name());
                    }
            }
}

// Only the shown-state images keep their own colours; the hidden-state glyph is drawn light, or dark when
// the bar is known to be light.
TEST(TrayIconImages, OnlyTemplatesAreRecoloured) {
    QImage red = blank(22);
    red.fill(Qt::red);
    const QIcon source(QPixmap::fromImage(red));

    const QIcon tinted = trayIconImages(source, true, "");
    const QIcon onLight = trayIconImages(source, true, "", BarTone::Light);
    const QIcon kept = trayIconImages(source, false, "");

    for (const int edge : kTrayIconSizes) {
        EXPECT_EQ(QColor(at(tinted, edge).pixel(edge / 2, edge / 2)), QColor(Qt::white)) << edge;
        EXPECT_LT(luminance(at(onLight, edge).pixelColor(edge / 2, edge / 2)), 0.05) << edge;
        EXPECT_EQ(QColor(at(kept, edge).pixel(edge / 2, edge / 2)), QColor(Qt::red)) << edge;
    }
    EXPECT_TRUE(trayIconImages(QIcon(), true, "").isNull());
    EXPECT_TRUE(loadTrayImage("noSuchImage").isNull());
    EXPECT_FALSE(trayIconImages(QIcon(), true, "4").isNull());
}

// Each panel size at 1x, 1.5x and 2x has a drawing of its own, the count drawn at that many pixels: a copy
// scaled from a neighbouring size would blur the digits.
TEST(TrayIconImages, TheCountIsDrawnAtEveryScreenScale) {
    const QIcon icon = trayIconImages(ringIcon(), true, "7");
    const QList<QSize> drawn = icon.availableSizes();
    for (const int edge : {16, 22, 24, 32, 48})
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            const int pixels = qRound(edge * scale);
            ASSERT_TRUE(drawn.contains(QSize(pixels, pixels))) << edge << "@" << scale;
            QImage shown = icon.pixmap(QSize(edge, edge), scale).toImage().convertToFormat(QImage::Format_ARGB32);
            shown.setDevicePixelRatio(1);
            EXPECT_EQ(shown, at(icon, pixels).convertToFormat(QImage::Format_ARGB32)) << edge << "@" << scale;
        }
}

TEST(CountBadge, FromAHundredOnTheCountReadsNinetyNinePlus) {
    EXPECT_EQ(countBadgeText("7"), "7");
    EXPECT_EQ(countBadgeText("99"), "99");
    EXPECT_EQ(countBadgeText("100"), "99+");
    EXPECT_EQ(countBadgeText("123456"), "99+");
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
