// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundGeometry.h"

#include <QColor>
#include <QWidget>

// The panel's visible shape: a light rounded body with an arrow pointing up at the tray icon.
class JLRedizadoBackgroundView final : public QWidget {
    Q_OBJECT
public:
    explicit JLRedizadoBackgroundView(QWidget *parent = nullptr);
    ~JLRedizadoBackgroundView() override;

    static QColor fillColor();

    // The arrow points at the tray icon: its edge, and its apex's distance from the left.
    void pointArrowAt(ArrowEdge edge, double x);
    ArrowEdge arrowEdge() const { return m_arrowEdge; }
    double arrowX() const { return m_arrowX; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ArrowEdge m_arrowEdge = ArrowEdge::Top;
    double m_arrowX = -1.0; // none: the middle
};
