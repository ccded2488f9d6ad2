// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"

#include "CountBadge.h"
#include "SymbolicTint.h"

#include <QFile>
#include <QIconEngine>
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

// Draws each size only when it is first asked for: a tray shows one, and the rim is costly at the larger ones.
class TrayIconEngine final : public QIconEngine {
public:
    TrayIconEngine(QIcon image, bool isTemplate, QString count, BarTone bar)
        : m_image(std::move(image)), m_isTemplate(isTemplate), m_count(std::move(count)), m_bar(bar) {}

    QIconEngine* clone() const override { return new TrayIconEngine(*this); }
    QString key() const override { return QStringLiteral("TrayIconEngine"); }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int edge : kTrayIconSizes)
            sizes.append(QSize(edge, edge));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int edge = edgeFor(size);
        return QSize(edge, edge).scaled(size.boundedTo(QSize(edge, edge)), Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QPixmap drawn = drawnAt(edgeFor(size));
        // As a pixmap icon does: the next size up, scaled down, never up.
        if (drawn.width() > size.width() || drawn.height() > size.height())
            return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return drawn;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // The smallest size that covers the request, or the largest there is.
    static int edgeFor(const QSize& size) {
        const qint64 area = qint64(size.width()) * size.height();
        for (const int edge : kTrayIconSizes)
            if (qint64(edge) * edge >= area)
                return edge;
        return kTrayIconSizes.back();
    }
    QPixmap drawnAt(int edge) {
        auto& drawn = m_drawn[std::size_t(std::find(kTrayIconSizes.begin(), kTrayIconSizes.end(), edge) -
                                          kTrayIconSizes.begin())];
        if (drawn.isNull())
            drawn = QPixmap::fromImage(
                withCountBadge(dressedForBar(imageAt(m_image, edge), m_isTemplate, m_bar, edge), m_count));
        return drawn;
    }

    QIcon m_image;
    bool m_isTemplate;
    QString m_count;
    BarTone m_bar;
    std::array<QPixmap, kTrayIconSizes.size()> m_drawn;
};
} // namespace

QIcon trayIconImages(const QIcon& image, bool isTemplate, const QString& count, BarTone bar) {
    if (image.isNull() && count.isEmpty())
        return {};
    return QIcon(new TrayIconEngine(image, isTemplate, count, bar));
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
