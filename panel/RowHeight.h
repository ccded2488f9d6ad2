// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <optional>

// A row is one of three heights, chosen from how tall its title wraps.
namespace row_height {
inline constexpr double oneLine = 25.0;
inline constexpr double twoLines = 44.0;
inline constexpr double threeLines = 63.0;
// The title's width is the row's less the check box and remove button beside it.
inline constexpr double sideControlsWidth = 48.0;
} // namespace row_height

// The font titles are shown and measured in.
QFont titleFont();

// The height the title's text takes wrapped within width, measured no taller than the tallest row.
double measuredTitleHeight(const QString& title, double width);

// The boundary values fall to the lower height.
double rowHeightForMeasuredHeight(double measured);

double rowHeightForTitle(const std::optional<QString>& title, double rowWidth);

// The popover's rows: measured across the table's whole width, in slightly taller steps.
namespace popover_row_height {
inline constexpr double oneLine = 26.0;
inline constexpr double twoLines = 44.0;
inline constexpr double threeLines = 64.0;
} // namespace popover_row_height

double popoverRowHeightForMeasuredHeight(double measured);
double popoverRowHeightForTitle(const std::optional<QString>& title, double tableWidth);
