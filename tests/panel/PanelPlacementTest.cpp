// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPlacement.h"

#include <gtest/gtest.h>

// Bottom-left coordinates: the main screen is 1440x900 with y = 0 at its bottom; the panel is 300x400, so its arrow
// can go from 26 to 274 along its edge.
namespace {
const QRectF mainScreen(0, 0, 1440, 900);
const ScreenArea bottomBar{mainScreen, QRectF(0, 30, 1440, 870)};
const ScreenArea topBar{mainScreen, QRectF(0, 0, 1440, 868)};
const ScreenArea leftBar{mainScreen, QRectF(48, 0, 1392, 900)};
const ScreenArea rightBar{mainScreen, QRectF(0, 0, 1392, 900)};
const ScreenArea noBar{mainScreen, mainScreen};
// A second screen right of the main one and higher up, its bar at its bottom.
const ScreenArea secondScreen{QRectF(1440, 100, 1920, 1080), QRectF(1440, 140, 1920, 1040)};

using R = QRectF;
constexpr ArrowEdge B = ArrowEdge::Bottom, T = ArrowEdge::Top;
} // namespace

TEST(PanelPlacement, ThePanelStaysWholeOnItsScreenWithItsArrowAsNearTheIconAsItsEdgeAllows) {
    const struct {
        const char* name;
        std::optional<QRectF> icon;
        std::vector<ScreenArea> screens;
        std::optional<QRectF> kept;
        QPointF origin;
        ArrowEdge edge;
        double arrowX;
    } cases[] = {
        {"centred above an icon mid bottom bar", R(700, 4, 22, 22), {bottomBar}, {}, {561, 30}, B, 150},
        {"above an icon at the right of a bottom bar", R(1330, 4, 22, 22), {bottomBar}, {}, {1140, 30}, B, 201},
        // The icon in GNOME's top bar at x 1342: the arrow moves off the middle to point at it.
        {"under an icon at the right of a top bar", R(1330, 872, 24, 24), {topBar}, {}, {1140, 468}, T, 202},
        {"at the left edge the arrow stops clear of the corner", R(2, 4, 22, 22), {bottomBar}, {}, {0, 30}, B, 26},
        {"beside a left bar, under its icon", R(12, 800, 24, 24), {leftBar}, {}, {48, 400}, T, 26},
        {"beside a right bar, above its icon", R(1404, 20, 24, 24), {rightBar}, {}, {1092, 44}, B, 274},
        {"on the second screen's bar", R(3300, 110, 22, 22), {noBar, secondScreen}, {}, {3060, 140}, B, 251},
        {"an icon kept from a screen now gone", R(3300, 110, 22, 22), {bottomBar}, {}, {1140, 30}, B, 274},
        // Plasma's shortcut before any click: the bar at the bottom, not the top right corner.
        {"without an icon, in the corner of a bottom bar", {}, {bottomBar}, {}, {1140, 30}, B, 274},
        {"without an icon, in the corner of a top bar", {}, {topBar}, {}, {1140, 468}, T, 274},
        {"without an icon, at the foot of a left bar", {}, {leftBar}, {}, {48, 0}, B, 26},
        {"the bar before the panel's last place", {}, {bottomBar}, R(1000, 500, 300, 400), {1140, 30}, B, 274},
        {"without a bar, where the panel last showed", {}, {noBar}, R(1000, 500, 300, 400), {1000, 500}, T, 150},
        {"the last place kept whole on the screen", {}, {noBar}, R(1200, -100, 300, 400), {1140, 0}, B, 150},
        {"a last place on a screen now gone", {}, {noBar}, R(3000, 500, 300, 400), {1140, 500}, T, 274},
        {"no screen at all", R(700, 4, 22, 22), {}, {}, {0, 0}, T, 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PanelFrame placed = placePanel({QSizeF(300, 400), c.icon, c.screens, c.kept});
        EXPECT_EQ(placed.origin, c.origin);
        EXPECT_EQ(placed.arrowEdge, c.edge);
        EXPECT_EQ(placed.arrowX, c.arrowX);
    }
}
