// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundGeometry.h"

#include <QColor>
#include <QWidget>

// The panel's visible shape: a rounded body with an arrow pointing at the tray icon, in the palette's light
// or dark.
class JLRedizadoBackgroundView final : public QWidget {
    Q_OBJECT
public:
    explicit JLRedizadoBackgroundView(QWidget* parent = nullptr);
    ~JLRedizadoBackgroundView() override;

    // The body's fill on a light palette.
    static QColor fillColor();

    // The arrow points at the tray icon: its edge, and its apex's distance from the left.
    void pointArrowAt(ArrowEdge edge, double x);
    ArrowEdge arrowEdge() const { return m_arrowEdge; }
    double arrowX() const { return m_arrowX; }
    // Where the window cannot be put next to the icon: the body alone fills the view, for good.
    void hideArrow();
    bool hasArrow() const { return m_hasArrow; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ArrowEdge m_arrowEdge = ArrowEdge::Top;
    double m_arrowX = -1.0; // none: the middle
    bool m_hasArrow = true;
};
