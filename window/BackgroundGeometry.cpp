// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double insetSide = 8.0;
constexpr double insetBottom = 10.0;
constexpr double insetTop = 16.0;
constexpr double arrowHalfBase = 12.0;
constexpr double arrowHeight = 16.0;
} // namespace

BackgroundGeometry backgroundGeometry(double width, double height) {
    // A view smaller than the insets gets an empty body rather than a negative (flipped) one.
    const double bodyWidth = std::max(0.0, width - 2 * insetSide);
    const double bodyHeight = std::max(0.0, height - insetBottom - insetTop);
    const double c = std::floor(width * 0.5);
    return {QRectF(insetSide, insetBottom, bodyWidth, bodyHeight),
            {QPointF(c, height), QPointF(c - arrowHalfBase, height - arrowHeight),
             QPointF(c + arrowHalfBase, height - arrowHeight)}};
}

double arrowApexX(double width, double wantedX) {
    const double margin = insetSide + BackgroundGeometry::cornerRadius + arrowHalfBase;
    return width > 2 * margin ? std::clamp(wantedX, margin, width - margin) : std::floor(width * 0.5);
}

BackgroundGeometry backgroundGeometry(double width, double height, ArrowEdge edge, double arrowX) {
    BackgroundGeometry g = backgroundGeometry(width, height);
    const double x = arrowApexX(width, arrowX);
    const double dx = x - g.arrow[0].x();
    for (QPointF& p : g.arrow)
        p.rx() += dx;
    if (edge == ArrowEdge::Bottom) {
        // Mirrored top to bottom: the body keeps the wider inset on the arrow's side.
        g.body.moveTop(height - g.body.y() - g.body.height());
        for (QPointF& p : g.arrow)
            p.ry() = height - p.y();
    }
    return g;
}

QPainterPath backgroundPath(const BackgroundGeometry& geometry, double height) {
    const auto flip = [height](QPointF p) { return QPointF(p.x(), height - p.y()); };
    const QRectF& b = geometry.body;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (!b.isEmpty())
        path.addRoundedRect(QRectF(b.x(), height - b.y() - b.height(), b.width(), b.height()),
                            BackgroundGeometry::cornerRadius, BackgroundGeometry::cornerRadius);
    path.moveTo(flip(geometry.arrow[0]));
    path.lineTo(flip(geometry.arrow[1]));
    path.lineTo(flip(geometry.arrow[2]));
    path.closeSubpath();
    return path;
}
