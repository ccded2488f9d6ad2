// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

// Where the panel's bottom-left corner goes (bottom-left, y-up screen coordinates) so that it
// hangs centred under the anchor with its top edge on the bottom of the status bar.
QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness);
