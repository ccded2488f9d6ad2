// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class JLRedizadoCellOwner;
class JLTextField;
class QCheckBox;
class QToolButton;

// One row: a check box, the title, and a remove button shown in edit mode.
class JLRedizadoTableViewCell final : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* identifier = "redizadoCell";
    // The tags a row's buttons send their clicks with.
    static constexpr int checkBoxTag = 1;
    static constexpr int removeButtonTag = 2;

    explicit JLRedizadoTableViewCell(QWidget* parent = nullptr);
    ~JLRedizadoTableViewCell() override;

    // A new cell whose controls send their actions to owner (when it is a cell owner).
    static QWidget* makeWithOwner(QObject* owner);

    QCheckBox* checkBox() const { return m_checkBox; }
    JLTextField* titleLabel() const { return m_titleLabel; }
    QToolButton* removeButton() const { return m_removeButton; }
    // Names the title field by the item it shows ("Title of “Milk”"), once the field holds the item's title: named
    // as it is typed in, it would be read out anew at every key.
    void nameTitleField();

protected:
    void changeEvent(QEvent* event) override;

private:
    void nameRemoveButton();

    QCheckBox* m_checkBox;
    JLTextField* m_titleLabel;
    QToolButton* m_removeButton;
};
