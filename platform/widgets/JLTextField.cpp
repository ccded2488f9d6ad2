// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTextField.h"

#include <QKeyEvent>
#include <QTextDocument>

JLTextField::JLTextField(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setBackgroundVisible(false);
    viewport()->setAutoFillBackground(false);
    document()->setDocumentMargin(0);
    setEditable(false);
}

JLTextField::~JLTextField() = default;

void JLTextField::setStringValue(const QString& text) {
    m_text = text;
    showText(hasFocus() && m_editable);
}

void JLTextField::setEditable(bool editable) {
    m_editable = editable;
    setReadOnly(!editable);
    setTextInteractionFlags(editable ? Qt::TextEditorInteraction : Qt::NoTextInteraction);
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    if (!editable && hasFocus())
        clearFocus();
}

void JLTextField::showText(bool whole) {
    m_showsWhole = whole || m_text.size() <= shownPrefixLength;
    setPlainText(m_showsWhole ? m_text : m_text.left(shownPrefixLength) + QChar(0x2026));
    moveCursor(QTextCursor::Start);
}

void JLTextField::endEditing() {
    const QString edited = toPlainText();
    if (m_showsWhole && edited != m_text) {
        m_text = edited;
        emit editingFinished();
    }
}

void JLTextField::keyPressEvent(QKeyEvent* event) {
    if (m_editable && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Return ends editing even without a change, as the field's action.
        const QString edited = toPlainText();
        m_text = edited;
        emit editingFinished();
        clearFocus();
        return;
    }
    if (m_editable && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Esc gives the edit up: the title as it was comes back and nothing is sent.
        showText(true);
        clearFocus();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void JLTextField::focusInEvent(QFocusEvent* event) {
    if (m_editable && !m_showsWhole)
        showText(true);
    QPlainTextEdit::focusInEvent(event);
}

void JLTextField::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (m_editable)
        endEditing();
    if (m_text.size() > shownPrefixLength)
        showText(false);
}

void JLTextField::wheelEvent(QWheelEvent* event) {
    // The list scrolls, not the three lines of a row.
    event->ignore();
}
