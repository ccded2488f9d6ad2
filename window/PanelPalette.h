// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QCheckBox;
class QPalette;
class QWidget;

// A dark palette draws light text on a dark window.
bool isDarkPalette(const QPalette& palette);

// The body's fill on a light palette: white, barely see-through.
QColor panelLightFillColor();

// The panel's body: the design's light fill on a light palette; on a dark one the palette's own window
// colour, as see-through as the light fill.
QColor panelFillColor(const QPalette& palette);

// The contrast ratio of two opaque colours, 1 to 21, as the web accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);

// The colour, made lighter or darker away from ground as little as it takes, standing out from ground by ratio.
QColor withContrast(const QColor& colour, const QColor& ground, double ratio);

// The desktop's palette with what the panel draws from it made readable on the field and the body: the
// highlight (the focus ring and selections), the text on it, and the placeholder text.
QPalette readablePanelPalette(const QPalette& desktop);

// Gives the panel's view the readable palette of the desktop's, now and whenever the desktop's changes.
void keepPanelPaletteReadable(QWidget* view);

// The window colour for a check box on the palette's base that makes the box's outline stand out 3:1 from it.
QColor checkBoxWindowColor(const QPalette& palette);

// Gives the box that window colour for the palette of what it stands on.
void outlineCheckBox(QCheckBox& box, const QPalette& on);

// Outlines every check box in the container, now and whenever the container's palette changes.
void keepCheckBoxesOutlined(QWidget* container);
