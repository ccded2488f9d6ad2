// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLTextField.h"

#include <QLineEdit>
#include <QTest>

// The steps a person takes on the panel or the popover, for tests of either.

inline void typeAndReturn(QLineEdit* field, const QString& title) {
    field->setText(title);
    QTest::keyClick(field, Qt::Key_Return);
}

// Edits a title in place and presses Return; the label may be held across rows moving.
inline void rename(JLTextField* label, const QString& title) {
    label->setFocus();
    label->setPlainText(title);
    QTest::keyClick(label, Qt::Key_Return);
}
