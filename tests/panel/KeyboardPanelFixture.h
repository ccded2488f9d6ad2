// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PanelFixture.h"

#include "PanelKeys.h"
#include "RowMark.h"

#include <QApplication>
#include <QKeySequence>

// A panel that has the keyboard, as when it shows on the desktop.
class KeyboardPanelTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        controller.view()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(controller.view()));
        controller.entryField()->setFocus();
    }

    // Types the steps into whatever has the focus at each step: "<Down>" and "<Ctrl+Z>" are keys, any other
    // word is typed as text.
    void press(const QString& steps) {
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr) << "nothing has the focus before " << step.toStdString();
            if (step.startsWith(QLatin1Char('<')) && step.endsWith(QLatin1Char('>'))) {
                const QKeySequence keys = QKeySequence::fromString(step.mid(1, step.size() - 2));
                ASSERT_EQ(keys.count(), 1) << step.toStdString();
                QTest::keyClick(focused, keys[0].key(), keys[0].keyboardModifiers());
            } else {
                QTest::keyClicks(focused, step);
            }
        }
    }

    std::string stored() const { return storedWithMarks(defaults); }

    RowMark& mark() { return controller.panelKeys().rowMark(); }
};
