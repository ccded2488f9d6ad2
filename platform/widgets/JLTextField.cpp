// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTextField.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

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
    connect(this, &QPlainTextEdit::textChanged, this, [this] { wrapFor(document()->characterCount() - 1); });
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
    const QString shown = m_showsWhole ? m_text : m_text.left(shownPrefixLength) + QChar(0x2026);
    // Wrapped for the longer of the old and the new text while one replaces the other, so that neither is laid out
    // the slow way; textChanged then settles on the new one.
    wrapFor(std::max<qsizetype>(shown.size(), document()->characterCount() - 1));
    setPlainText(shown);
    moveCursor(QTextCursor::Start);
}

void JLTextField::wrapFor(qsizetype length) {
    // Breaking a long run without spaces at word boundaries takes time that grows with the square of its length
    // (minutes for a megabyte); text too long for a row is broken anywhere, which stays quick.
    const auto mode =
        length > shownPrefixLength + 1 ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
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

void JLTextField::insertFromMimeData(const QMimeData* source) {
    // A long paste is broken anywhere before it goes in, as a long title is.
    if (source->hasText())
        wrapFor(document()->characterCount() - 1 + source->text().size());
    QPlainTextEdit::insertFromMimeData(source);
}

void JLTextField::wheelEvent(QWheelEvent* event) {
    // The list scrolls, not the three lines of a row.
    event->ignore();
}
