// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPalette.h"

#include <QPalette>

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

QColor panelLightFillColor() {
    return QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.95f);
}

QColor panelFillColor(const QPalette& palette) {
    const QColor light = panelLightFillColor();
    if (!isDarkPalette(palette))
        return light;
    QColor dark = palette.color(QPalette::Window);
    dark.setAlphaF(light.alphaF());
    return dark;
}
