// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"
#include "Contrast.h"
#include "CountBadge.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

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

const QColor kBars[] = {Qt::black, QColor(0x2e, 0x34, 0x36), QColor(0xd6, 0xd6, 0xd6), Qt::white};
const char* const kImages[] = {"redizadoStatusItemIcon", "redizadoStatusItemIconAlternate",
                               "redizadoStatusItemIconRound", "redizadoStatusItemIconRoundAlternate"};
const char* const kCounts[] = {"", "7", "128"};

// The images handed to the tray, made once per image and count.
QImage trayImage(const char* name, int edge, const QString& count) {
    static std::map<std::pair<QString, QString>, QIcon> made;
    const QString image = QString::fromLatin1(name);
    auto [it, added] = made.try_emplace({image, count});
    if (added)
        it->second = trayIconImages(loadTrayImage(image), !image.endsWith(QLatin1String("Alternate")), count);
    return at(it->second, edge);
}

// The smallest bar, the commonest, and the largest double.
const int kSizes[] = {16, 22, 64};

class OnEveryBar : public ::testing::TestWithParam<std::tuple<int, const char*>> {};

// Over black, dark grey, light grey and white bars alike: the glyph, and the badge, stand out;
// hidden from shown, and one icon shape from the other, still tell apart beside the badge.
TEST_P(OnEveryBar, TheGlyphAndTheCountStandOutAndTheFourImagesStayApart) {
    const auto [edge, count] = GetParam();
    for (const QColor& bar : kBars) {
        QImage shown[4];
        QRect badges;
        for (int i = 0; i < 4; ++i) {
            const QImage icon = trayImage(kImages[i], edge, count);
            const QRect badge = changedBox(trayImage(kImages[i], edge, ""), icon);
            ASSERT_EQ(badge.isEmpty(), !*count);
            badges |= badge;
            shown[i] = over(icon, bar);
            const std::string where = std::string(kImages[i]) + " on " + qPrintable(bar.name());
            // Alone, a good share of the icon; beside a badge that covers most of it, a third of a stroke across it.
            EXPECT_GE(standingOut(shown[i], bar, badge), badge.isEmpty() ? edge * edge / 6 : edge / 3) << where;
            if (badge.isEmpty())
                continue;
            EXPECT_GE(standingOut(shown[i], bar) - standingOut(shown[i], bar, badge),
                      badge.width() * badge.height() / 4)
                << where;
        }
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j) {
                int apart = 0;
                for (int y = 0; y < edge; ++y)
                    for (int x = 0; x < edge; ++x)
                        apart += !badges.contains(x, y) &&
                                 contrast(shown[i].pixelColor(x, y), shown[j].pixelColor(x, y)) >= 2;
                EXPECT_GE(apart, edge / 4) << kImages[i] << " " << kImages[j] << " " << qPrintable(bar.name());
            }
    }
}

std::string caseName(const ::testing::TestParamInfo<OnEveryBar::ParamType>& info) {
    const auto& [edge, count] = info.param;
    return std::to_string(edge) + "px_count" + (*count ? count : "None");
}

INSTANTIATE_TEST_SUITE_P(Tray, OnEveryBar,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::ValuesIn(kCounts)), caseName);

// (How the hidden-state glyph is drawn on a dark or a light bar is met in the tray icon's tests.)

// Each panel size at 1x, 1.5x and 2x has a drawing of its own, the count drawn at that many pixels: a copy
// scaled from a neighbouring size would blur the digits.
TEST(TrayIconImages, TheCountIsDrawnAtEveryScreenScale) {
    const QIcon icon = trayIconImages(loadTrayImage("redizadoStatusItemIcon"), true, "7");
    const QList<QSize> drawn = icon.availableSizes();
    for (const int edge : {16, 22, 48})
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            const int pixels = qRound(edge * scale);
            ASSERT_TRUE(drawn.contains(QSize(pixels, pixels))) << edge << "@" << scale;
            QImage shown = icon.pixmap(QSize(edge, edge), scale).toImage().convertToFormat(QImage::Format_ARGB32);
            shown.setDevicePixelRatio(1);
            EXPECT_EQ(shown, at(icon, pixels).convertToFormat(QImage::Format_ARGB32)) << edge << "@" << scale;
        }
}

TEST(CountBadge, FromAHundredOnTheCountReadsNinetyNinePlus) {
    EXPECT_EQ(countBadgeText("99"), "99");
    EXPECT_EQ(countBadgeText("100"), "99+");
}

} // namespace
