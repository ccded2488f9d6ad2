// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTextField.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
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

// Megabytes without a space, pasted into a title being renamed, go in within moments (broken word by word, they
// would take many minutes to lay out) and are stored whole.
TEST(TitleField, MegabytesPastedWithoutASpaceGoInWhole) {
    JLTextField title;
    title.resize(240, 60);
    title.setStringValue(QStringLiteral("milk "));
    title.setEditable(true);
    title.show();
    title.setFocus();
    title.moveCursor(QTextCursor::End);
    const QString huge(2 << 20, QLatin1Char('x'));
    QApplication::clipboard()->setText(huge);
    title.paste();
    QSignalSpy finished(&title, &JLTextField::editingFinished);
    QTest::keyClick(&title, Qt::Key_Return);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(title.stringValue(), QStringLiteral("milk ") + huge);
}

// Left after a rename, a title looks as one never edited: no caret is left blinking in it.
TEST(TitleField, LeftAfterARenameItShowsNoCaret) {
    QWidget row;
    row.resize(300, 120);
    auto* title = new JLTextField(&row);
    auto* untouched = new JLTextField(&row);
    auto* entry = new QLineEdit(&row);
    for (JLTextField* field : {title, untouched}) {
        field->setStringValue(QStringLiteral("milk"));
        field->setEditable(true);
    }
    untouched->setGeometry(0, 0, 300, 40);
    title->setGeometry(0, 40, 300, 40);
    entry->setGeometry(0, 80, 300, 40);
    row.show();
    row.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&row));
    title->setFocus();
    ASSERT_TRUE(title->hasFocus());
    entry->setFocus();
    EXPECT_EQ(title->grab().toImage(), untouched->grab().toImage());
}
} // namespace
