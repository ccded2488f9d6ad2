// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <algorithm>
#include <cmath>

QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness) {
    // An odd width rounds the half up, so the panel's middle sits half a pixel left of the anchor.
    return {anchor.x() - std::ceil(panelSize.width() * 0.5),
            mainScreenHeight - panelSize.height() - statusBarThickness};
}

PanelFrame panelFrameAtIcon(QPointF hangingOrigin, QSizeF panelSize, QPointF anchor, const std::optional<QRectF>& icon,
                            const QRectF& screen) {
    const double w = panelSize.width();
    const double h = panelSize.height();
    PanelFrame frame{hangingOrigin, ArrowEdge::Top, anchor.x() - hangingOrigin.x()};
    if (screen.isEmpty())
        return frame;
    double y = hangingOrigin.y();
    if (anchor.y() < screen.center().y()) {
        frame.arrowEdge = ArrowEdge::Bottom;
        y = icon ? icon->y() + icon->height() : anchor.y();
    } else if (icon) {
        y = icon->y() - h;
    }
    const double x = std::clamp(hangingOrigin.x(), screen.left(), std::max(screen.left(), screen.right() - w));
    y = std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() - h));
    frame.origin = {x, y};
    frame.arrowX = anchor.x() - x;
    return frame;
}
