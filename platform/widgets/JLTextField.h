// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// A label for one item title: plain text (never markup), wrapped within its width, editable on demand.
// Return or leaving the field after a change ends editing and sends editingFinished; Esc ends it unchanged.
class JLTextField final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit JLTextField(QWidget* parent = nullptr);
    ~JLTextField() override;

    // Past this many characters only the start is laid out until the field is edited: a row shows
    // three lines at most, and laying out a megabyte of text would stall the list.
    static constexpr int shownPrefixLength = 4096;

    QString stringValue() const { return m_text; }
    void setStringValue(const QString& text);
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable);

signals:
    void editingFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void showText(bool whole);
    void wrapFor(qsizetype length);
    void endEditing();

    QString m_text;
    bool m_editable = false;
    bool m_showsWhole = true;
};
