// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QWidget;

// The per-control state the controllers read back from their controls: a number tag and an opacity.
std::int64_t tag(const QWidget& control);
void setTag(QWidget& control, std::int64_t tag);

// 0.0 is fully transparent, 1.0 opaque. A fully transparent control is hidden, keeping its place in the layout:
// neither a click nor a screen reader finds it.
double alphaValue(const QWidget& control);
void setAlphaValue(QWidget& control, double alpha);
