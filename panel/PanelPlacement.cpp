// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <algorithm>
#include <cmath>

namespace {
enum class Bar { None, Bottom, Top, Left, Right };

const ScreenArea* screenShowing(const std::vector<ScreenArea>& screens, QPointF point) {
    const auto found =
        std::find_if(screens.begin(), screens.end(), [point](const ScreenArea& s) { return s.full.contains(point); });
    return found == screens.end() ? nullptr : &*found;
}

QRectF usable(const ScreenArea& screen) {
    return screen.available.isEmpty() ? screen.full : screen.available;
}

// QRectF's top() is the smaller y, here the lower edge.
QPointF keptWhole(QPointF origin, QSizeF size, const QRectF& area) {
    return {std::clamp(origin.x(), area.left(), std::max(area.left(), area.right() - size.width())),
            std::clamp(origin.y(), area.top(), std::max(area.top(), area.bottom() - size.height()))};
}

PanelFrame pointingAt(QPointF origin, double width, ArrowEdge edge, double x) {
    return {origin, edge, arrowApexX(width, x - origin.x())};
}

// The edge whose bars take the most from the screen.
Bar barOf(const ScreenArea& screen) {
    const QRectF& f = screen.full;
    const QRectF& a = screen.available;
    if (a.isEmpty() || a == f)
        return Bar::None;
    const std::pair<double, Bar> gaps[] = {{a.top() - f.top(), Bar::Bottom},
                                           {f.bottom() - a.bottom(), Bar::Top},
                                           {a.left() - f.left(), Bar::Left},
                                           {f.right() - a.right(), Bar::Right}};
    const auto widest = std::max_element(std::begin(gaps), std::end(gaps),
                                         [](const auto& l, const auto& r) { return l.first < r.first; });
    return widest->first > 0 ? widest->second : Bar::None;
}

PanelFrame atIcon(const QRectF& icon, QSizeF size, const ScreenArea& screen) {
    const double middle = icon.x() + std::ceil(icon.width() * 0.5);
    const bool trayBelow = icon.center().y() < screen.full.center().y();
    const QPointF wanted(middle - std::ceil(size.width() * 0.5),
                         trayBelow ? icon.y() + icon.height() : icon.y() - size.height());
    const QPointF origin = keptWhole(wanted, size, usable(screen));
    return pointingAt(origin, size.width(), trayBelow ? ArrowEdge::Bottom : ArrowEdge::Top, middle);
}

// Trays sit at the right end of a horizontal bar and the bottom of an upright one: the panel goes in that corner,
// its arrow at the end nearest the bar.
PanelFrame atBar(Bar bar, QSizeF size, const QRectF& area) {
    const double w = size.width();
    switch (bar) {
    case Bar::Top:
        return pointingAt({area.right() - w, area.bottom() - size.height()}, w, ArrowEdge::Top, area.right());
    case Bar::Left:
        return pointingAt({area.left(), area.top()}, w, ArrowEdge::Bottom, area.left());
    case Bar::Bottom:
    case Bar::Right:
    case Bar::None:
        break;
    }
    return pointingAt({area.right() - w, area.top()}, w, ArrowEdge::Bottom, area.right());
}
} // namespace

QPointF panelOrigin(QPointF anchor, QSizeF panelSize, double mainScreenHeight, double statusBarThickness) {
    // An odd width rounds the half up, so the panel's middle sits half a pixel left of the anchor.
    return {anchor.x() - std::ceil(panelSize.width() * 0.5),
            mainScreenHeight - panelSize.height() - statusBarThickness};
}

PanelFrame placePanel(const PlacementFacts& facts) {
    const QSizeF size = facts.panelSize;
    const double w = size.width();
    if (facts.icon)
        if (const ScreenArea* screen = screenShowing(facts.screens, facts.icon->center()))
            return atIcon(*facts.icon, size, *screen);
    if (facts.screens.empty())
        return {QPointF(), ArrowEdge::Top, arrowApexX(w, std::ceil(w * 0.5))};
    const ScreenArea& main = facts.screens.front();
    if (const Bar bar = barOf(main); bar != Bar::None)
        return atBar(bar, size, usable(main));
    if (facts.keptFrame)
        if (const ScreenArea* screen = screenShowing(facts.screens, facts.keptFrame->center())) {
            // It hung centred under the icon the last time, as far as the screen let it.
            const bool low = facts.keptFrame->center().y() < screen->full.center().y();
            const QPointF origin = keptWhole(facts.keptFrame->topLeft(), size, usable(*screen));
            return {origin, low ? ArrowEdge::Bottom : ArrowEdge::Top, arrowApexX(w, std::ceil(w * 0.5))};
        }
    return atBar(Bar::Top, size, usable(main));
}
