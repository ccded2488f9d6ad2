// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedWindowFrames.h"

#include "ScreenCoordinates.h"
#include "UserDefaults.h"

#include <QStringList>

#include <cmath>

namespace {
std::string keyFor(const QString& name) {
    return "Window Frame " + name.toStdString();
}
} // namespace

void saveFrameUsingName(UserDefaults& defaults, const QWidget& window, const QString& name) {
    const QRectF f = windowFrame(window);
    defaults.setObject(
        keyFor(name),
        plist_value::Value(
            QStringLiteral("%1 %2 %3 %4").arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height()).toStdString()));
    defaults.synchronize();
}

std::optional<QRectF> savedFrameWithName(const UserDefaults& defaults, const QString& name) {
    const auto stored = defaults.objectForKey(keyFor(name));
    const std::string* text = stored ? stored->get<std::string>() : nullptr;
    if (!text)
        return std::nullopt;
    const QStringList parts = QString::fromStdString(*text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok);
        // A hand-edited frame must not make the panel vanish or swallow the screen.
        if (!ok || !std::isfinite(v[i]))
            return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0 || v[2] > 1e5 || v[3] > 1e5)
        return std::nullopt;
    return QRectF(v[0], v[1], v[2], v[3]);
}
