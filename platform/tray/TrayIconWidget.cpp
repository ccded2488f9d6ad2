// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconWidget.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kFirstSize = 22;
}

TrayIconWidget::TrayIconWidget()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {
    // Qt's X11 plugin gives a window of this name the tray's visual and a backing store that draws over the
    // tray's own background, as it does for its own tray icons.
    setObjectName(QStringLiteral("QSystemTrayIconSys"));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_TranslucentBackground);
    // Trays resize their icons themselves; this is only what is asked until they do.
    resize(kFirstSize, kFirstSize);
    // GTK trays size an icon from its minimum size; without one they take it for 1x1 and hide it.
    setMinimumSize(kFirstSize, kFirstSize);
}

void TrayIconWidget::setIcon(const QIcon& icon) {
    m_icon = icon;
    update();
}

void TrayIconWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Square and centred: a tray may hand out a wider slot than the icon needs.
    const int side = std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    m_icon.paint(&painter, square);
}

void TrayIconWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_contextMenu)
            m_contextMenu->popup(at);
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        emit clicked(at);
}

void TrayIconWidget::mouseDoubleClickEvent(QMouseEvent*) {
    // The second click of a double click would close what the first opened.
}
