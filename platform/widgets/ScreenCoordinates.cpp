// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCoordinates.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// The bottom edge of the main screen in Qt's coordinates, and its left edge.
QPointF mainScreenBottomLeft() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    const QRect g = screen->geometry();
    return {double(g.x()), double(g.y() + g.height())};
}
} // namespace

QRectF mainScreenFrame() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {0, 0, double(screen->geometry().width()), double(screen->geometry().height())};
}

QRectF toBottomLeft(const QRectF& r) {
    const QPointF o = mainScreenBottomLeft();
    return {r.x() - o.x(), o.y() - (r.y() + r.height()), r.width(), r.height()};
}

QRectF toTopLeft(const QRectF& r) {
    const QPointF o = mainScreenBottomLeft();
    return {r.x() + o.x(), o.y() - (r.y() + r.height()), r.width(), r.height()};
}

QRectF windowFrame(const QWidget& window) {
    return toBottomLeft(QRectF(window.frameGeometry()));
}

void setWindowFrame(QWidget& window, const QRectF& frame) {
    const QRectF f = toTopLeft(frame);
    const QRect r(qRound(f.x()), qRound(f.y()), qRound(f.width()), qRound(f.height()));
    // The panel is frameless, so its frame is its geometry; move and resize without a repaint.
    window.setGeometry(r);
}

QRectF availableFrameOfScreenAt(QPointF point) {
    const QPoint topLeft = toTopLeft(QRectF(point, QSizeF(0, 0))).topLeft().toPoint();
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? toBottomLeft(QRectF(screen->availableGeometry())) : QRectF();
}
