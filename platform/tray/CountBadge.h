// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

// What the badge shows for a count: nothing for 0; up to two digits as they are; from 100 on "99+", because a
// third full digit does not fit a 16-pixel icon at a height that stays legible.
QString countBadgeText(const QString& count);

// The count a title shows, for a sentence about it; nothing when the title is not a whole number.
std::optional<int> countInTitle(const QString& title);

// Where the count goes in a square icon of edge pixels: a badge in the bottom-right corner, 5/8 of the edge each
// way (10 px at 16, 13 at 22, 15 at 24), its digits what the rim and a padding leave (6, 9 and 11 px tall).
struct CountBadgeLayout {
    QRectF badge; // the outer edge, rim included
    qreal rimWidth = 1;
    QRectF text; // the ink of the digits, narrowed when they would not fit otherwise
};

CountBadgeLayout countBadgeLayout(int edge, const QString& text);

// Paints the badge into the square (0, 0, edge, edge) of the painter's coordinates.
void drawCountBadge(QPainter& painter, int edge, const QString& count);

// A copy of a square icon with the count on it; the icon itself when there is nothing to show.
QImage withCountBadge(const QImage& icon, const QString& count);
