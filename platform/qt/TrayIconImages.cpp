// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"

#include "CountBadge.h"
#include "SymbolicTint.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

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
} // namespace

QIcon trayIconImages(const QIcon& image, bool isTemplate, const QColor& textColour, const QString& count) {
    if (image.isNull() && count.isEmpty())
        return {};
    QIcon icon;
    for (const int edge : kTrayIconSizes) {
        QImage drawn = imageAt(image, edge);
        if (isTemplate)
            drawn = tintedLikeSymbolic(drawn, textColour);
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
