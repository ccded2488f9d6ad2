// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoBackgroundView.h"

#include "BackgroundGeometry.h"
#include "PanelPalette.h"

#include <QPainter>

JLRedizadoBackgroundView::JLRedizadoBackgroundView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

JLRedizadoBackgroundView::~JLRedizadoBackgroundView() = default;

QColor JLRedizadoBackgroundView::fillColor() {
    return panelLightFillColor();
}

void JLRedizadoBackgroundView::paintEvent(QPaintEvent*) {
    // The whole shape comes from the size on every paint, whatever part is exposed.
    const double w = width();
    const double h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(panelFillColor(palette()));
    if (!m_hasArrow) {
        painter.drawRoundedRect(rect(), BackgroundGeometry::cornerRadius, BackgroundGeometry::cornerRadius);
        return;
    }
    const BackgroundGeometry geometry = m_arrowX < 0 && m_arrowEdge == ArrowEdge::Top
                                            ? backgroundGeometry(w, h)
                                            : backgroundGeometry(w, h, m_arrowEdge, m_arrowX < 0 ? w * 0.5 : m_arrowX);
    painter.drawPath(backgroundPath(geometry, h));
}

void JLRedizadoBackgroundView::hideArrow() {
    m_hasArrow = false;
    update();
}

void JLRedizadoBackgroundView::pointArrowAt(ArrowEdge edge, double x) {
    m_arrowEdge = edge;
    m_arrowX = x;
    update();
}
