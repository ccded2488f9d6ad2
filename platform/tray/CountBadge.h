// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// What the badge shows for a count: up to two digits as they are; from 100 on "99+", because a third full
// digit does not fit a 16-pixel icon at a height that stays legible.
QString countBadgeText(const QString& count);

// Where the count goes in a square icon of edge pixels: a badge in the bottom-right corner, as large as the
// icon allows, its digits 9/16 of the icon tall (9 px at 16, 13 at 22, 14 at 24).
struct CountBadgeLayout {
    QRectF badge; // the outer edge, rim included
    qreal rimWidth = 1;
    QRectF text; // the ink of the digits, narrowed when they would not fit otherwise
};

CountBadgeLayout countBadgeLayout(int edge, const QString& text);

// Paints the badge into the square (0, 0, edge, edge) of the painter's coordinates.
void drawCountBadge(QPainter& painter, int edge, const QString& count);

// A copy of a square icon with the count on it; the icon itself when count is empty.
QImage withCountBadge(const QImage& icon, const QString& count);
