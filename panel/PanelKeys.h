// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLTextField.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class JLRedizadoViewController;
class PanelUndo;
class QKeyEvent;
class QWidget;
class RowMark;

// The panel from the keyboard. In the entry field Return adds, Down goes to the rows and Esc hides the
// panel. On the rows the arrows, Home, End and the page keys move the mark, Space checks, F2 or Return
// renames, Delete removes. Anywhere Ctrl+1, Ctrl+2 and Ctrl+Tab choose the category, Ctrl+, the settings
// pane, Ctrl+Z and Ctrl+Shift+Z undo and redo. Every key does what the matching click does.
class PanelKeys final : public QObject {
    Q_OBJECT
public:
    PanelKeys(JLRedizadoViewController& panel, PanelUndo& undo, QObject* parent = nullptr);
    ~PanelKeys() override;

signals:
    // Esc outside a title being renamed.
    void hideRequested();

public:
    RowMark& rowMark() const { return *m_mark; }
    // The title being renamed from the keyboard, if one is.
    JLTextField* renamingLabel() const { return m_renaming; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addShortcuts();
    void addToolTips();
    bool entryFieldKey(QKeyEvent& event);
    bool rowKey(QKeyEvent& event);
    bool segmentKey(QKeyEvent& event);
    bool letFieldUndo(QKeyEvent& event) const;
    void focusChanged(QWidget* old, QWidget* now);
    std::int64_t rowsPerPage(std::int64_t from, int direction) const;
    void checkMarkedRow();
    void startRenaming();
    void finishRenaming();
    void chooseCategory(int segment);
    void toggleSettings();
    void undo();
    void redo();

    JLRedizadoViewController& m_panel;
    PanelUndo& m_undo;
    std::unique_ptr<RowMark> m_mark;
    QPointer<JLTextField> m_renaming;
    bool m_renamingWasEditable = false;
};

// The keys in a few lines, for the about message.
QString panelKeyList();
