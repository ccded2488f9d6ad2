// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// Where the count goes in a square icon of edge pixels: a pill in the bottom-right corner, wide enough for
// the text, never wider than the icon.
struct CountBadgeLayout {
    QRectF badge; // the pill's outer edge, outline included
    qreal outlineWidth = 1;
    QFont font;
    qreal horizontalScale = 1; // below 1 only when the text is too long even at the smallest font
    qreal textWidth = 0;       // after scaling
};

CountBadgeLayout countBadgeLayout(int edge, const QString& count);

// Paints the badge into the square (0, 0, edge, edge) of the painter's coordinates.
void drawCountBadge(QPainter& painter, int edge, const QString& count);

// A copy of a square icon with the count on it; the icon itself when count is empty.
QImage withCountBadge(const QImage& icon, const QString& count);
