// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowHeight.h"

#include "JLTextField.h"

#include <QApplication>
#include <QTextLayout>

QFont titleFont() {
    QFont font = QApplication::font();
    font.setPixelSize(15);
    return font;
}

double measuredTitleHeight(const QString& title, double width) {
    if (title.isEmpty())
        return 0.0;
    // The label lays out only this much until it is edited, and more would never fit in a row.
    // A line break in the title starts a line of its own, as in the label.
    QString text = title.left(JLTextField::shownPrefixLength);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, titleFont());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double height = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(width, 1.0));
        height += line.height();
        if (height > row_height::threeLines)
            break;
    }
    layout.endLayout();
    return qMin(height, row_height::threeLines);
}

double rowHeightForMeasuredHeight(double measured) {
    if (measured > row_height::twoLines)
        return row_height::threeLines;
    if (measured > row_height::oneLine)
        return row_height::twoLines;
    return row_height::oneLine;
}

double rowHeightForTitle(const std::optional<QString>& title, double rowWidth) {
    const double width = rowWidth - row_height::sideControlsWidth;
    return rowHeightForMeasuredHeight(title ? measuredTitleHeight(*title, width) : 0.0);
}

double popoverRowHeightForMeasuredHeight(double measured) {
    if (measured > popover_row_height::twoLines)
        return popover_row_height::threeLines;
    if (measured > popover_row_height::oneLine)
        return popover_row_height::twoLines;
    return popover_row_height::oneLine;
}

double popoverRowHeightForTitle(const std::optional<QString>& title, double tableWidth) {
    return popoverRowHeightForMeasuredHeight(title ? measuredTitleHeight(*title, tableWidth) : 0.0);
}
