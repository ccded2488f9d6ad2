// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTextField.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {
// A title sits on its row's colour (a marked row's highlight, say), read-only or being edited: it paints no box.
TEST(TitleField, ShowsTheRowsColourAroundItsText) {
    QWidget row;
    QPalette palette = row.palette();
    palette.setColor(QPalette::Window, QColor(200, 30, 30));
    row.setPalette(palette);
    row.setAutoFillBackground(true);
    row.resize(300, 60);
    auto* title = new JLTextField(&row);
    title->setGeometry(0, 0, 300, 60);
    title->setStringValue(QStringLiteral("milk"));
    for (const bool editable : {false, true}) {
        SCOPED_TRACE(editable ? "being edited" : "read-only");
        title->setEditable(editable);
        EXPECT_EQ(row.grab().toImage().pixelColor(280, 50), QColor(200, 30, 30));
    }
}
} // namespace
