// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"

#include "CountBadge.h"
#include "SymbolicTint.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {
// The image drawn at edge device pixels, centred when its own shape is not square.
QImage imageAt(const QIcon& image, int edge) {
    QImage canvas(edge, edge, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (image.isNull())
        return canvas;
    QImage drawn = image.pixmap(QSize(edge, edge), 1.0).toImage();
    drawn.setDevicePixelRatio(1);
    if (drawn.width() != edge && drawn.height() != edge)
        drawn = drawn.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.drawImage(QPoint((edge - drawn.width()) / 2, (edge - drawn.height()) / 2), drawn);
    return canvas;
}

// Near-black and near-white give 3:1 against any bar with the other one beside them: no single colour reaches
// 3:1 against both a dark grey and a light grey bar.
const QColor kDark(0x1a, 0x1a, 0x1a);
const QColor kLight(Qt::white);

// One pixel at 16 to 24 px, growing with the icon, so the rim stays as visible at every scale.
qreal rimWidth(int edge) {
    return std::max(1, edge / 16);
}

QImage dressedForBar(const QImage& glyph, bool isTemplate, BarTone bar, int edge) {
    if (!isTemplate)
        return bar == BarTone::Light ? glyph : withRim(glyph, kLight, rimWidth(edge));
    switch (bar) {
    case BarTone::Dark:
        return tintedLikeSymbolic(glyph, kLight);
    case BarTone::Light:
        return tintedLikeSymbolic(glyph, kDark);
    case BarTone::Unknown:
        break;
    }
    return withRim(tintedLikeSymbolic(glyph, kLight), kDark, rimWidth(edge));
}
} // namespace

QIcon trayIconImages(const QIcon& image, bool isTemplate, const QString& count, BarTone bar) {
    if (image.isNull() && count.isEmpty())
        return {};
    QIcon icon;
    for (const int edge : kTrayIconSizes) {
        const QImage drawn = dressedForBar(imageAt(image, edge), isTemplate, bar, edge);
        icon.addPixmap(QPixmap::fromImage(withCountBadge(drawn, count)));
    }
    return icon;
}

QIcon loadTrayImage(const QString& name) {
    QIcon icon;
    for (const int edge : kTrayIconSizes) {
        const QString file = QStringLiteral(":/%1-%2").arg(name).arg(edge);
        if (QFile::exists(file))
            icon.addFile(file, QSize(edge, edge));
    }
    if (icon.isNull() && QFile::exists(QStringLiteral(":/") + name))
        icon.addFile(QStringLiteral(":/") + name);
    return icon;
}
