// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShortcutAdvice.h"

#include <QObject>
#include <QString>

class JLHotKeyManager;
class JLRedizadoViewController;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The settings pane's word on the global shortcut, under its pop-ups: how a combination reaches the program on
// this desktop and what the desktop bound; where nothing can bind one, the line for the compositor's
// configuration, ready to copy. It never leaves a shortcut looking on when nothing will fire.
class ShortcutNote final : public QObject {
    Q_OBJECT
public:
    // program: the absolute path a binding runs; desktopAnswered: the desktop answered the last registration
    // before the note was made.
    ShortcutNote(JLRedizadoViewController& panel, JLHotKeyManager& manager, Compositor compositor, QString program,
                 bool desktopAnswered = false, QObject* parent = nullptr);
    ~ShortcutNote() override;

    QLabel* label() const { return m_label; }
    QLineEdit* bindingLine() const { return m_line; }
    QPushButton* copyButton() const { return m_copy; }

    // Reads the situation afresh and says it.
    void refresh();

private:
    // A user's change registers again: any answer from the desktop is about to be a new one.
    void changedByUser();

    JLRedizadoViewController& m_panel;
    JLHotKeyManager& m_manager;
    Compositor m_compositor;
    QString m_program;
    bool m_desktopAnswered = false;
    QLabel* m_label = nullptr;
    QWidget* m_lineRow = nullptr;
    QLineEdit* m_line = nullptr;
    QPushButton* m_copy = nullptr;
};
