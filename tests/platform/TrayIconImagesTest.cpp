// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"
#include "BadgeGlyphs.h"
#include "Contrast.h"
#include "CountBadge.h"

#include <QFontInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

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
// edge each way, so the glyph stays recognisable at the sizes trays use; the white count sits on a red badge, whose
// round edge, drawn hard, would show as steps at 16 px.
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
            int filled = 0; // the badge's red, behind the white digits
            int smoothed = 0;
            for (int y = 0; y < edge; ++y)
                for (int x = 0; x < edge; ++x)
                    if (badged.pixel(x, y) != plain.pixel(x, y)) {
                        changed |= QRect(x, y, 1, 1);
                        const QColor c = badged.pixelColor(x, y);
                        filled += c.red() > 150 && c.green() < 100;
                        smoothed += c.alpha() > 0 && c.alpha() < 255;
                    }
            EXPECT_GE(filled, edge / 2) << where();
            EXPECT_GE(smoothed, 8) << where();
            EXPECT_GE(std::min(changed.left(), changed.top()), edge - corner) << where();
        }
    }
}

// The tray's images are decoded and drawn size by size as they are asked for; what is asked gets what a plain
// icon of the same files would give. Between sizes the next one up is scaled down, and nothing is scaled up; the
// count is drawn on the size asked for.
TEST(TrayIconOnDemand, EachSizeIsTheImageDrawnAtThatSizeOrTheNextOneUpScaledDownWithTheCountDrawnOnIt) {
    const QString image = QStringLiteral("redizadoStatusItemIconRound");
    const QIcon loaded = loadTrayImage(image);
    QIcon reference;
    for (const int edge : kTrayIconSizes)
        reference.addFile(QStringLiteral(":/%1-%2").arg(image).arg(edge), QSize(edge, edge));
    EXPECT_EQ(loaded.availableSizes(), reference.availableSizes());
    for (const int edge : {16, 22, 48, 96})
        EXPECT_EQ(loaded.pixmap(QSize(edge, edge), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                  reference.pixmap(QSize(edge, edge), 1.0).toImage().convertToFormat(QImage::Format_ARGB32))
            << edge;

    const QIcon plain = trayIconImages(loaded, true, QString());
    const QIcon counted = trayIconImages(loaded, true, QStringLiteral("7"));
    const std::pair<QSize, QSize> cases[] = {
        {{20, 20}, {20, 20}}, {{23, 23}, {23, 23}}, {{200, 200}, {96, 96}}, {{30, 22}, {22, 22}}};
    for (const auto& [asked, given] : cases) {
        SCOPED_TRACE(std::to_string(asked.width()) + "x" + std::to_string(asked.height()));
        for (const QIcon& icon : {loadTrayImage(image), counted}) {
            EXPECT_EQ(icon.pixmap(asked, 1.0).size(), given);
            EXPECT_EQ(icon.actualSize(asked), given);
        }
        EXPECT_NE(plain.pixmap(asked, 1.0).toImage(), counted.pixmap(asked, 1.0).toImage());
    }
}

// Asking Qt for any font reads every font on the machine, megabytes kept for the program's life; Qt logs each
// lookup under this category. The check runs in a fresh process, whose font cache is empty.
TEST(CountBadge, ACountIsDrawnWithoutLookingUpAFont) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=true"));
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString&) {
                if (qstrcmp(context.category, "qt.text.font.match") == 0)
                    std::_Exit(1);
            });
            QImage icon(22, 22, QImage::Format_ARGB32_Premultiplied);
            icon.fill(Qt::transparent);
            for (const QString count : {"7", "42", "100", "-3"})
                withCountBadge(icon, count);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "");
}

QImage filled(const QPainterPath& path) {
    QImage image(200, 100, QImage::Format_Grayscale8);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(10, 90);
    painter.fillPath(path, Qt::white);
    return image;
}

// Every count is drawn from built-in outlines, which keep the look the count has had, drawn from the font with the
// system's fonts. From a hundred on the count reads 99+.
TEST(CountBadge, EveryCountIsDrawnFromTheBuiltInOutlinesAsTheFontDrewIt) {
    EXPECT_EQ(countBadgeText("99"), "99");
    EXPECT_EQ(countBadgeText("100"), "99+");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    const QFontInfo resolved(font);
    QStringList texts = {QStringLiteral("-5"), QStringLiteral("-42")};
    for (const qlonglong count : {100LL, -100LL, LLONG_MIN, LLONG_MAX})
        texts.append(countBadgeText(QString::number(count)));
    for (int n = 0; n < 100; ++n)
        texts.append(QString::number(n));
    for (const QString& text : texts) {
        QPainterPath fromFont;
        fromFont.addText(0, 0, font, text);
        const QImage expected = filled(fromFont);
        const QImage drawn = filled(badgeGlyphOutline(text).value_or(QPainterPath()));
        int off = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                off += std::abs(qGray(expected.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 24;
        EXPECT_EQ(off, 0) << qPrintable(text) << " against " << qPrintable(resolved.family()) << ' '
                          << qPrintable(resolved.styleName());
    }
}

} // namespace
