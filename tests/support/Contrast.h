// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
inline double luminance(const QColor& c) {
    static const auto linear = [] {
        std::array<double, 256> table{};
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            table[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return 0.2126 * linear[c.red()] + 0.7152 * linear[c.green()] + 0.0722 * linear[c.blue()];
}

inline double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
