// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLSegmentedControl.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

JLSegmentedControl::JLSegmentedControl(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int segment = 0; segment < 2; ++segment) {
        auto* button = new QPushButton(this);
        button->setCheckable(true);
        button->setAutoDefault(false);
        m_group->addButton(button, segment);
        layout->addWidget(button);
    }
    m_group->button(0)->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &JLSegmentedControl::segmentClicked);
}

JLSegmentedControl::~JLSegmentedControl() = default;

int JLSegmentedControl::selectedSegment() const {
    return m_group->checkedId();
}

void JLSegmentedControl::setSelectedSegment(int segment) {
    if (QAbstractButton* button = m_group->button(segment))
        button->setChecked(true);
}

QString JLSegmentedControl::label(int segment) const {
    const QAbstractButton* button = m_group->button(segment);
    return button ? button->text() : QString();
}

void JLSegmentedControl::setLabel(int segment, const QString& text) {
    if (QAbstractButton* button = m_group->button(segment)) {
        button->setText(text);
        button->setAccessibleName(text);
    }
}
