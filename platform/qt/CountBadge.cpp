// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountBadge.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// A red that reads on light and dark panels alike; the light outline parts it from the glyph beneath.
const QColor kBadgeFill(0xd3, 0x2f, 0x2f);
const QColor kBadgeOutline(255, 255, 255, 230);
const QColor kBadgeText(Qt::white);

QFont badgeFont(int pixelSize) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
} // namespace

CountBadgeLayout countBadgeLayout(int edge, const QString& count) {
    CountBadgeLayout layout;
    layout.outlineWidth = std::max(1, edge / 24);
    const qreal height = std::round(edge * 0.6);
    const qreal padding = std::max(1.0, std::round(edge / 16.0)) + layout.outlineWidth;
    const qreal room = edge - 2 * padding;

    // Largest font that fits, down to a floor below which digits stop being digits.
    const int largest = static_cast<int>(std::round(height * 0.8));
    const int smallest = std::min(largest, std::max(6, static_cast<int>(std::round(height * 0.6))));
    qreal width = 0;
    for (int size = largest; size >= smallest; --size) {
        layout.font = badgeFont(size);
        width = QFontMetricsF(layout.font).tightBoundingRect(count).width();
        if (width <= room)
            break;
    }
    layout.horizontalScale = width > room ? room / width : 1;
    layout.textWidth = width * layout.horizontalScale;
    const qreal badgeWidth = std::min<qreal>(edge, std::max(height, layout.textWidth + 2 * padding));
    layout.badge = QRectF(edge - badgeWidth, edge - height, badgeWidth, height);
    return layout;
}

void drawCountBadge(QPainter& painter, int edge, const QString& count) {
    if (count.isEmpty())
        return;
    const CountBadgeLayout layout = countBadgeLayout(edge, count);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The outline is stroked on the path's edge; half of it would spill out of the icon otherwise.
    const qreal half = layout.outlineWidth / 2;
    const QRectF pill = layout.badge.adjusted(half, half, -half, -half);
    const qreal radius = pill.height() / 2;
    painter.setPen(QPen(kBadgeOutline, layout.outlineWidth));
    painter.setBrush(kBadgeFill);
    painter.drawRoundedRect(pill, radius, radius);

    // Digits have no descenders: centre their ink, not the font's line box.
    const QRectF ink = QFontMetricsF(layout.font).tightBoundingRect(count);
    painter.setFont(layout.font);
    painter.setPen(kBadgeText);
    painter.translate(layout.badge.center());
    painter.scale(layout.horizontalScale, 1);
    painter.drawText(QPointF(-ink.center().x(), std::round(-ink.center().y())), count);
    painter.restore();
}

QImage withCountBadge(const QImage& icon, const QString& count) {
    if (count.isEmpty())
        return icon;
    QImage out = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    drawCountBadge(painter, std::min(out.width(), out.height()), count);
    return out;
}
