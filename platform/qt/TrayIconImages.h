// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

#include <array>

// Icon sizes trays ask for: the common panel sizes and their doubles for HiDPI screens.
inline constexpr std::array<int, 8> kTrayIconSizes{16, 22, 24, 32, 44, 48, 64, 96};

// The tray's icon at every size: the image, recoloured to the text colour when it is a template, with the
// count drawn on it when there is one.
QIcon trayIconImages(const QIcon& image, bool isTemplate, const QColor& textColour, const QString& count);

// The image of that name in the program's resources at each size it was drawn at (":/name-22" and so on, or
// just ":/name"); a null icon when there is none.
QIcon loadTrayImage(const QString& name);
