// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelFittedButton.h"

#include <QStyle>
#include <QStyleOptionButton>

LabelFittedButton::LabelFittedButton(QWidget* parent) : QPushButton(parent) {
    // Preferred, not a push button's Minimum: a layout may take it down to its least width.
    setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
}

LabelFittedButton::~LabelFittedButton() = default;

// The label and what the style draws around it: the frame on each side and its margin.
int LabelFittedButton::labelWidth() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margins = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) +
                        2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return fontMetrics().size(Qt::TextShowMnemonic, text()).width() + margins;
}

QSize LabelFittedButton::sizeHint() const {
    // Room for a character either side, so that the label does not touch the edges where there is room.
    return {labelWidth() + 2 * fontMetrics().averageCharWidth(), QPushButton::sizeHint().height()};
}

QSize LabelFittedButton::minimumSizeHint() const {
    return {labelWidth(), QPushButton::sizeHint().height()};
}
