// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

#include <array>

// Icon sizes trays ask for: the common panel sizes (16, 22, 24, 32, 48) at 1x, 1.5x and 2x, so that no
// screen scale gets a scaled, blurred copy.
inline constexpr std::array<int, 11> kTrayIconSizes{16, 22, 24, 32, 33, 36, 44, 48, 64, 72, 96};

// The tray's icon at every size: the image, recoloured to the text colour when it is a template, with the
// count drawn on it when there is one.
QIcon trayIconImages(const QIcon& image, bool isTemplate, const QColor& textColour, const QString& count);

// The image of that name in the program's resources at each size it was drawn at (":/name-22" and so on, or
// just ":/name"); a null icon when there is none.
QIcon loadTrayImage(const QString& name);
