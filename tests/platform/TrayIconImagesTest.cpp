// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"
#include "Contrast.h"
#include "CountBadge.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Pixels of the icon, shown on the bar, that stand out from it by 3:1 or more.
int standingOut(const QIcon& icon, int edge, const QColor& bar) {
    QImage shown(edge, edge, QImage::Format_ARGB32);
    shown.fill(bar);
    QPainter(&shown).drawImage(0, 0, icon.pixmap(QSize(edge, edge), 1.0).toImage());
    int n = 0;
    for (int y = 0; y < edge; ++y)
        for (int x = 0; x < edge; ++x)
            n += contrast(shown.pixelColor(x, y), bar) >= 3;
    return n;
}

// A bar of unknown colour may be dark or light: at the smallest size, each image, with or without a count, must
// stand out from a dark grey bar and from a light grey one alike.
TEST(TrayIconImages, AtSixteenPixelsTheIconReadsOnADarkAndOnALightBar) {
    for (const QString image : {"redizadoStatusItemIcon", "redizadoStatusItemIconAlternate",
                                "redizadoStatusItemIconRound", "redizadoStatusItemIconRoundAlternate"})
        for (const QString count : {"", "7"}) {
            const QIcon icon = trayIconImages(loadTrayImage(image), !image.endsWith("Alternate"), count);
            for (const QColor bar : {QColor(0x2e, 0x34, 0x36), QColor(0xd6, 0xd6, 0xd6)})
                EXPECT_GE(standingOut(icon, 16, bar), 16 * 16 / 6)
                    << qPrintable(image) << " count " << qPrintable(count) << " on " << qPrintable(bar.name());
        }
}

TEST(CountBadge, FromAHundredOnTheCountReadsNinetyNinePlus) {
    EXPECT_EQ(countBadgeText("99"), "99");
    EXPECT_EQ(countBadgeText("100"), "99+");
}

} // namespace
