// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

#include <array>

// Icon sizes trays ask for: the common panel sizes (16, 22, 24, 32, 48) at 1x, 1.5x and 2x, so that no
// screen scale gets a scaled, blurred copy.
inline constexpr std::array<int, 11> kTrayIconSizes{16, 22, 24, 32, 33, 36, 44, 48, 64, 72, 96};

// What is known of the colour of the bar the icon sits on. Mostly nothing: the program's palette says nothing
// about the bar's, so Unknown draws a glyph that reads on dark and light bars alike.
enum class BarTone { Unknown, Dark, Light };

// The tray's icon at every size (each drawn when first asked for), with the count drawn on it when there is one. A
// template image (the hidden-state glyph) is drawn light with a dark rim, or in one colour against a bar of known tone;
// a coloured image (the shown state) keeps its colours over a light rim where the bar may be dark.
QIcon trayIconImages(const QIcon& image, bool isTemplate, const QString& count, BarTone bar = BarTone::Unknown);

// The image of that name in the program's resources at each size it was drawn at (":/name-22" and so on, or
// just ":/name"); a null icon when there is none.
QIcon loadTrayImage(const QString& name);
