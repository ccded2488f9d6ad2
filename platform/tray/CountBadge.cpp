// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountBadge.h"
#include "BadgeGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Red reads on light bars (3.4:1 on light grey) and the white rim on dark ones; white digits on it give 5:1.
const QColor kBadgeFill(0xd3, 0x2f, 0x2f);
const QColor kBadgeRim(Qt::white);
const QColor kBadgeText(Qt::white);
// The badge keeps to the icon's bottom-right corner, this share of its edge each way, so the glyph stays whole.
constexpr qreal kCornerShare = 5.0 / 8.0;

// The text as an outline whose ink box is exactly the digits' box: its height, not the font's line box, is
// what has to reach the minimum.
QPainterPath textOutline(const QString& text) {
    // A count is drawn from the outlines built in, in one face whose digits fill their box from edge to edge; only
    // other text asks the system's fonts, and the closest sans face stands in where that one is missing.
    if (std::optional<QPainterPath> builtIn = badgeGlyphOutline(text))
        return *std::move(builtIn);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(100);
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}
} // namespace

QString countBadgeText(const QString& count) {
    bool number = false;
    const qlonglong value = count.toLongLong(&number);
    // Nothing to do is no news: a red "0" would read as an alert.
    if (number && value == 0)
        return {};
    return number && value > 99 ? QStringLiteral("99+") : count;
}

std::optional<int> countInTitle(const QString& title) {
    bool number = false;
    const qlonglong value = title.toLongLong(&number);
    if (!number)
        return std::nullopt;
    return static_cast<int>(std::clamp<qlonglong>(value, INT_MIN, INT_MAX));
}

CountBadgeLayout countBadgeLayout(int edge, const QString& text) {
    CountBadgeLayout layout;
    const qreal unit = std::max(1, edge / 16);
    layout.rimWidth = unit;
    const qreal corner = std::floor(edge * kCornerShare);
    const qreal inset = layout.rimWidth + unit;
    const qreal digits = corner - 2 * inset;
    const QRectF ink = textOutline(text).boundingRect();
    const qreal naturalWidth = ink.isEmpty() ? 0 : ink.width() * digits / ink.height();
    // Wider text gives up its side padding before it is narrowed.
    const qreal textWidth = std::min(naturalWidth, corner - 2 * layout.rimWidth);
    layout.badge = QRectF(edge - corner, edge - corner, corner, corner);
    layout.text = QRectF(layout.badge.center().x() - textWidth / 2, layout.badge.top() + inset, textWidth, digits);
    return layout;
}

void drawCountBadge(QPainter& painter, int edge, const QString& count) {
    const QString text = countBadgeText(count);
    if (text.isEmpty())
        return;
    const CountBadgeLayout layout = countBadgeLayout(edge, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // A single digit sits in a round badge; longer text in a rounded box whose corners leave the digits whole.
    const qreal rounding = layout.badge.width() <= layout.badge.height() ? 0.5 : 0.3;
    const QRectF inner = layout.badge.adjusted(layout.rimWidth, layout.rimWidth, -layout.rimWidth, -layout.rimWidth);
    painter.setBrush(kBadgeRim);
    painter.drawRoundedRect(layout.badge, layout.badge.height() * rounding, layout.badge.height() * rounding);
    painter.setBrush(kBadgeFill);
    painter.drawRoundedRect(inner, inner.height() * rounding, inner.height() * rounding);

    const QPainterPath outline = textOutline(text);
    const QRectF ink = outline.boundingRect();
    QTransform fit;
    fit.translate(layout.text.left(), layout.text.top());
    fit.scale(layout.text.width() / ink.width(), layout.text.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    painter.setBrush(kBadgeText);
    painter.drawPath(fit.map(outline));
    painter.restore();
}

QImage withCountBadge(const QImage& icon, const QString& count) {
    if (countBadgeText(count).isEmpty())
        return icon;
    QImage out = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    drawCountBadge(painter, std::min(out.width(), out.height()), count);
    return out;
}
