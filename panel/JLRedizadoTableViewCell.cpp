// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoTableViewCell.h"

#include "ControlState.h"
#include "JLRedizadoCellOwner.h"
#include "JLTextField.h"
#include "PanelPalette.h"
#include "RowHeight.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

namespace {
constexpr int sideControlWidth = 22;
} // namespace

JLRedizadoTableViewCell::JLRedizadoTableViewCell(QWidget* parent)
    : QWidget(parent), m_checkBox(new QCheckBox(this)), m_titleLabel(new JLTextField(this)),
      m_removeButton(new QToolButton(this)) {
    // Check box and remove button take 24 pixels each side, the width the row heights assume.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    m_checkBox->setFixedWidth(sideControlWidth);
    m_checkBox->setAccessibleName(tr("Done"));
    m_checkBox->setToolTip(tr("Check or uncheck (Space on the list)"));
    // Tab goes from control to control, not through every row; the rows have their own keys, Space among them.
    m_checkBox->setFocusPolicy(Qt::NoFocus);
    setTag(*m_checkBox, checkBoxTag);
    m_titleLabel->setFont(titleFont());
    m_titleLabel->setAccessibleName(tr("Title"));
    m_removeButton->setFixedWidth(sideControlWidth);
    m_removeButton->setAutoRaise(true);
    m_removeButton->setText(QStringLiteral("\u2715"));
    m_removeButton->setToolTip(tr("Remove (Delete on the list)"));
    // Reached by Tab in edit mode, when it is enabled; a click on it leaves the focus where the typing is.
    m_removeButton->setFocusPolicy(Qt::TabFocus);
    nameRemoveButton();
    connect(m_titleLabel, &JLTextField::textChanged, this, &JLRedizadoTableViewCell::nameRemoveButton);
    setTag(*m_removeButton, removeButtonTag);
    layout->addWidget(m_checkBox, 0, Qt::AlignTop);
    layout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_removeButton, 0, Qt::AlignTop);
    outlineCheckBox(*m_checkBox, palette());
}

// The box's outline stands out from the row, on a light palette as on a dark one.
void JLRedizadoTableViewCell::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        outlineCheckBox(*m_checkBox, palette());
}

JLRedizadoTableViewCell::~JLRedizadoTableViewCell() = default;

namespace {
// The title as a name says it: quoted, cut short; nothing for an empty one.
QString quotedTitle(const QString& text) {
    constexpr int longestSpokenTitle = 60;
    const QString title = text.simplified();
    if (title.isEmpty())
        return {};
    const QString spoken = title.size() > longestSpokenTitle ? title.left(longestSpokenTitle) + QChar(0x2026) : title;
    //: An item's title in the quotation marks of the language; said in "Remove %1" and "Title of %1"
    return QCoreApplication::translate("JLRedizadoTableViewCell", "\u201C%1\u201D").arg(spoken);
}
} // namespace

// Every row has one: each says which item it removes.
void JLRedizadoTableViewCell::nameRemoveButton() {
    const QString title = quotedTitle(m_titleLabel->toPlainText());
    QString name = tr("Remove untitled item");
    if (!title.isEmpty()) {
        //: %1 is the item's title, quoted
        name = tr("Remove %1").arg(title);
    }
    // Each naming is told to assistive technology, also the same name again.
    if (m_removeButton->accessibleName() != name)
        m_removeButton->setAccessibleName(name);
}

void JLRedizadoTableViewCell::nameTitleField() {
    const QString title = quotedTitle(m_titleLabel->stringValue());
    QString name = tr("Title of untitled item");
    if (!title.isEmpty()) {
        //: %1 is the item's title, quoted
        name = tr("Title of %1").arg(title);
    }
    if (m_titleLabel->accessibleName() != name)
        m_titleLabel->setAccessibleName(name);
}

QWidget* JLRedizadoTableViewCell::makeWithOwner(QObject* owner) {
    auto* cell = new JLRedizadoTableViewCell;
    if (auto* target = dynamic_cast<JLRedizadoCellOwner*>(owner)) {
        QCheckBox* checkBox = cell->checkBox();
        QToolButton* removeButton = cell->removeButton();
        JLTextField* titleLabel = cell->titleLabel();
        QObject::connect(checkBox, &QCheckBox::clicked, owner,
                         [target, checkBox] { target->rowButtonClicked(checkBox); });
        QObject::connect(removeButton, &QToolButton::clicked, owner,
                         [target, removeButton] { target->rowButtonClicked(removeButton); });
        QObject::connect(titleLabel, &JLTextField::editingFinished, owner,
                         [target, titleLabel] { target->entryChanged(titleLabel); });
    }
    return cell;
}
