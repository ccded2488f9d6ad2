// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconImages.h"

#include "CountBadge.h"
#include "SymbolicTint.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <functional>

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

// Square images at a few sizes, each made only when it is first asked for: a tray shows one size, and drawing
// (the rim is costly at the larger ones) or decoding them all would hold the icon up for nothing.
class SizesOnDemandEngine final : public QIconEngine {
public:
    using Make = std::function<QPixmap(int edge)>;
    SizesOnDemandEngine(QList<int> edges, Make make) : m_edges(std::move(edges)), m_make(std::move(make)) {
        m_made.resize(m_edges.size());
    }

    QIconEngine* clone() const override { return new SizesOnDemandEngine(*this); }
    QString key() const override { return QStringLiteral("SizesOnDemandEngine"); }
    bool isNull() override { return m_edges.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int edge : std::as_const(m_edges))
            sizes.append(QSize(edge, edge));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (m_edges.isEmpty())
            return {};
        const int edge = m_edges[indexFor(size)];
        return QSize(edge, edge).scaled(size.boundedTo(QSize(edge, edge)), Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (m_edges.isEmpty())
            return {};
        const qsizetype at = indexFor(size);
        QPixmap& made = m_made[at];
        if (made.isNull())
            made = m_make(m_edges[at]);
        // As a pixmap icon does: the next size up, scaled down, never up.
        if (made.width() > size.width() || made.height() > size.height())
            return made.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return made;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // The smallest size that covers the request, or the largest there is.
    qsizetype indexFor(const QSize& size) const {
        const qint64 area = qint64(size.width()) * size.height();
        for (qsizetype i = 0; i < m_edges.size(); ++i)
            if (qint64(m_edges[i]) * m_edges[i] >= area)
                return i;
        return m_edges.size() - 1;
    }

    QList<int> m_edges; // ascending
    Make m_make;
    QList<QPixmap> m_made;
};
} // namespace

QIcon trayIconImages(const QIcon& image, bool isTemplate, const QString& count, BarTone bar) {
    if (image.isNull() && count.isEmpty())
        return {};
    return QIcon(new SizesOnDemandEngine(
        QList<int>(kTrayIconSizes.begin(), kTrayIconSizes.end()), [image, isTemplate, count, bar](int edge) {
            return QPixmap::fromImage(
                withCountBadge(dressedForBar(imageAt(image, edge), isTemplate, bar, edge), count));
        }));
}

QIcon loadTrayImage(const QString& name) {
    QList<int> edges;
    for (const int edge : kTrayIconSizes)
        if (QFile::exists(QStringLiteral(":/%1-%2").arg(name).arg(edge)))
            edges.append(edge);
    if (!edges.isEmpty()) {
        // Decoded when shown; and the files are named, so that no type database is read to tell what they are.
        return QIcon(new SizesOnDemandEngine(std::move(edges), [name](int edge) {
            return QPixmap(QStringLiteral(":/%1-%2").arg(name).arg(edge), "PNG");
        }));
    }
    QIcon icon;
    if (QFile::exists(QStringLiteral(":/") + name))
        icon.addFile(QStringLiteral(":/") + name);
    return icon;
}
