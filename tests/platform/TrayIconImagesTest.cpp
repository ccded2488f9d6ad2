// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"
#include "Contrast.h"
#include "CountBadge.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>

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

// Nothing to do shows the glyph alone; any other count changes only the icon's bottom-right corner, 5/8 of its
// edge each way, so the glyph stays recognisable at the sizes trays use.
TEST(CountBadge, ZeroShowsTheGlyphAloneAndACountKeepsToTheCorner) {
    const QIcon glyph = loadTrayImage("redizadoStatusItemIcon");
    const QIcon alone = trayIconImages(glyph, true, "");
    for (const int edge : {16, 22, 24}) {
        const QImage plain = alone.pixmap(QSize(edge, edge), 1.0).toImage();
        EXPECT_EQ(trayIconImages(glyph, true, "0").pixmap(QSize(edge, edge), 1.0).toImage(), plain) << edge;
        const int corner = edge * 5 / 8;
        for (const QString count : {"7", "12", "100"}) {
            const QImage badged = trayIconImages(glyph, true, count).pixmap(QSize(edge, edge), 1.0).toImage();
            const auto where = [&] { return std::to_string(edge) + " px, count " + count.toStdString(); };
            QRect changed;
            for (int y = 0; y < edge; ++y)
                for (int x = 0; x < edge; ++x)
                    if (badged.pixel(x, y) != plain.pixel(x, y))
                        changed |= QRect(x, y, 1, 1);
            EXPECT_FALSE(changed.isEmpty()) << where();
            EXPECT_GE(std::min(changed.left(), changed.top()), edge - corner) << where();
        }
    }
}

} // namespace
