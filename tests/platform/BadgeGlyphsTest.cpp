// SPDX-License-Identifier: GPL-3.0-or-later
#include "BadgeGlyphs.h"
#include "CountBadge.h"

#include <QFontInfo>
#include <QLoggingCategory>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace {

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

// From a hundred on the count reads 99+.
TEST(CountBadge, EveryCountIsDrawnFromTheBuiltInOutlines) {
    EXPECT_EQ(countBadgeText("99"), "99");
    EXPECT_EQ(countBadgeText("100"), "99+");
    for (const qlonglong count : {1LL, 9LL, 10LL, 99LL, 100LL, -1LL, -100LL, LLONG_MIN, LLONG_MAX})
        EXPECT_TRUE(badgeGlyphOutline(countBadgeText(QString::number(count)))) << count;
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

// The built-in outlines keep the look the count has had, drawn from the font with the system's fonts.
TEST(CountBadge, TheBuiltInOutlinesDrawAsTheFontDid) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    const QFontInfo resolved(font);
    QStringList texts = {QStringLiteral("99+"), QStringLiteral("-5"), QStringLiteral("-42")};
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
