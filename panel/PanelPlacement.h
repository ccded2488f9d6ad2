// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

// Where the panel's bottom-left corner goes (bottom-left, y-up screen coordinates) so that it
// hangs centred under the anchor with its top edge on the bottom of the status bar.
QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness);

// Where the panel finally goes on a desktop, whose tray may sit on any edge of any screen.
struct PanelFrame {
    QPointF origin;
    ArrowEdge arrowEdge = ArrowEdge::Top;
    double arrowX = 0; // from the panel's left edge
};

// One screen, in bottom-left coordinates: all of it, and what its bars leave to windows.
struct ScreenArea {
    QRectF full;
    QRectF available;
};

// What the panel's place is worked out from, best first.
struct PlacementFacts {
    QSizeF panelSize;
    // Where the tray says the icon is, or where it was last seen.
    std::optional<QRectF> icon;
    // The main screen first.
    std::vector<ScreenArea> screens;
    // Where the panel last showed, kept from one start to the next.
    std::optional<QRectF> keptFrame;
};

// Under the icon when its tray is in the upper half of its screen, above it otherwise, kept whole on the screen,
// with the arrow on the icon's middle as far as the panel's edge allows. Without an icon on any screen: in the
// corner of the main screen's bar (the edge its bars take from it), then where the panel last showed, then under
// the top right corner. All in bottom-left coordinates.
PanelFrame placePanel(const PlacementFacts& facts);
