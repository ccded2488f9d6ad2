// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// The panel's visible shape: a light rounded body with an arrow pointing up at the tray icon.
class JLRedizadoBackgroundView final : public QWidget {
    Q_OBJECT
public:
    explicit JLRedizadoBackgroundView(QWidget *parent = nullptr);
    ~JLRedizadoBackgroundView() override;

    static QColor fillColor();

protected:
    void paintEvent(QPaintEvent *event) override;
};
