// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// The panel's drawn shape, computed in the view's own bottom-left, y-up coordinates.
struct BackgroundGeometry {
    QRectF body;                  // origin is the bottom-left corner
    std::array<QPointF, 3> arrow; // apex first, then the two base corners
    static constexpr double cornerRadius = 6.0;
};

BackgroundGeometry backgroundGeometry(double width, double height);

// Where the arrow sits: on the top edge for a tray above the panel, on the bottom edge for one below it.
enum class ArrowEdge { Top, Bottom };

// Where the arrow's apex can go for a wanted x: on the straight part of the edge, clear of the rounded corners.
double arrowApexX(double width, double wantedX);

// The same shape with its arrow on the given edge, its apex at arrowX (kept where the body can carry it).
BackgroundGeometry backgroundGeometry(double width, double height, ArrowEdge edge, double arrowX);

// The one place the y-up shape turns into Qt's top-left widget coordinates.
QPainterPath backgroundPath(const BackgroundGeometry& geometry, double height);
