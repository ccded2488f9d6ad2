// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button as wide as its label asks, not the style's: Fusion makes every labelled button at least 80
// pixels wide, and four of those do not fit the panel's row beside a longer label. It gives up its spare room
// when the row is short of it, never the label's.
class LabelFittedButton : public QPushButton {
    Q_OBJECT
public:
    explicit LabelFittedButton(QWidget* parent = nullptr);
    ~LabelFittedButton() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int labelWidth() const;
};
