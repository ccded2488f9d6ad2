// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

// A dark palette draws light text on a dark window.
bool isDarkPalette(const QPalette& palette);

// The body's fill on a light palette: white, barely see-through.
QColor panelLightFillColor();

// The panel's body: the design's light fill on a light palette; on a dark one the palette's own window
// colour, as see-through as the light fill.
QColor panelFillColor(const QPalette& palette);
