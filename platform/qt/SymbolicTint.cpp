// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolicTint.h"

#include <QPainter>

QImage tintedLikeSymbolic(const QImage& image, const QColor& colour) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(out.rect(), colour);
    return out;
}
