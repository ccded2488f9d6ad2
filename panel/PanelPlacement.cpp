// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <cmath>

QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness)
{
    // An odd width rounds the half up, so the panel's middle sits half a pixel left of the anchor.
    return {anchor.x() - std::ceil(panelSize.width() * 0.5),
            mainScreenHeight - panelSize.height() - statusBarThickness};
}
