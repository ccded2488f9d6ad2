// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolicTint.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

QImage tintedLikeSymbolic(const QImage& image, const QColor& colour) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(out.rect(), colour);
    return out;
}

QImage withRim(const QImage& image, const QColor& colour, qreal width) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width(), h = source.height();
    const int reach = static_cast<int>(std::ceil(width + 1));
    // The shape's coverage grown by a disc of the rim's width, fading out over one more pixel: a rim of one
    // pixel stays solid instead of turning grey, and its outside stays smooth.
    const int span = 2 * reach + 1;
    std::vector<qreal> weights(std::size_t(span) * span);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            weights[std::size_t((dy + reach) * span + dx + reach)] =
                std::clamp(width + 1 - std::hypot(dx, dy), 0.0, 1.0) / 255.0;
    QImage rim(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(rim.scanLine(y));
        for (int x = 0; x < w; ++x) {
            qreal coverage = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                if (y + dy < 0 || y + dy >= h)
                    continue;
                const auto* near = reinterpret_cast<const QRgb*>(source.constScanLine(y + dy));
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (x + dx < 0 || x + dx >= w)
                        continue;
                    const qreal weight = weights[std::size_t((dy + reach) * span + dx + reach)];
                    coverage = std::max(coverage, weight * qAlpha(near[x + dx]));
                }
            }
            QColor c = colour;
            c.setAlphaF(c.alphaF() * coverage);
            row[x] = qPremultiply(c.rgba());
        }
    }
    QPainter painter(&rim);
    painter.drawImage(0, 0, source);
    return rim;
}
