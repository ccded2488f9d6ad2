// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>

#include <optional>

class QWidget;
class UserDefaults;

// A window's frame kept in the preferences under a name, as "x y width height" in bottom-left coordinates.
void saveFrameUsingName(UserDefaults& defaults, const QWidget& window, const QString& name);
std::optional<QRectF> savedFrameWithName(const UserDefaults& defaults, const QString& name);
