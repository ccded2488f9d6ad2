// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class QWidget;

// Above this layer screen geometry has its origin at the bottom left of the main screen, y upwards,
// in device-independent pixels. This is the one place that turns it into Qt's top-left coordinates.

// The main screen's frame, (0, 0, width, height); all zero when there is no screen.
QRectF mainScreenFrame();
QRectF toBottomLeft(const QRectF& topLeftRect);
QRectF toTopLeft(const QRectF& bottomLeftRect);

// A window's frame (its outer geometry) in bottom-left coordinates.
QRectF windowFrame(const QWidget& window);
void setWindowFrame(QWidget& window, const QRectF& frame);

// The part of the screen showing point that windows may use (without docks and bars), in bottom-left coordinates;
// the main screen's when no screen shows it.
QRectF availableFrameOfScreenAt(QPointF point);
