// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

// Where the panel's bottom-left corner goes (bottom-left, y-up screen coordinates) so that it
// hangs centred under the anchor with its top edge on the bottom of the status bar.
QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness);

#include "BackgroundGeometry.h"

#include <QRectF>

#include <optional>

// Where the panel finally goes on a desktop, whose tray may sit on any edge of any screen.
struct PanelFrame {
    QPointF origin;
    ArrowEdge arrowEdge = ArrowEdge::Top;
    double arrowX = 0; // from the panel's left edge
};

// Starts from the hanging origin above and keeps the panel whole on the screen the tray is on: under the icon
// when the tray is in the screen's upper half, above it otherwise, its arrow on the icon's middle either way.
// All rectangles in bottom-left coordinates; the icon's is nothing when the tray does not say where it is.
PanelFrame panelFrameAtIcon(QPointF hangingOrigin, QSizeF panelSize, QPointF anchor, const std::optional<QRectF>& icon,
                            const QRectF& screen);
