// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// The image as a silhouette in colour: every pixel takes the colour and keeps its own coverage, the way
// symbolic icons follow the theme's text colour.
QImage tintedLikeSymbolic(const QImage& image, const QColor& colour);

// The image over a rim of colour that follows its shape, width pixels beyond its edge: a light shape with a
// dark rim (or the reverse) stands out from any bar, whatever its colour.
QImage withRim(const QImage& image, const QColor& colour, qreal width);
