// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLSegmentedControl.h"

#include "SegmentTabs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>

#include <algorithm>
#include <climits>

JLSegmentedControl::JLSegmentedControl(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int segment = 0; segment < 2; ++segment) {
        auto* button = new SegmentButton(this);
        button->setCheckable(true);
        button->setAutoDefault(false);
        m_group->addButton(button, segment);
        layout->addWidget(button);
    }
    m_group->button(0)->setChecked(true);
    exposeAsTabList(this);
    connect(m_group, &QButtonGroup::idClicked, this, &JLSegmentedControl::segmentClicked);
    connect(m_group, &QButtonGroup::idToggled, this, [this] { colourChosenSegment(); });
    colourChosenSegment();
}

void JLSegmentedControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourChosenSegment();
}

// A pressed-in look alone barely tells the segments apart: the chosen one is drawn in the text's colour, its
// label in the button's, however light or dark the palette.
void JLSegmentedControl::colourChosenSegment() {
    for (QAbstractButton* button : m_group->buttons()) {
        QPalette own;
        if (button->isChecked()) {
            own = palette();
            own.setColor(QPalette::Button, palette().color(QPalette::ButtonText));
            own.setColor(QPalette::ButtonText, palette().color(QPalette::Button));
        }
        button->setPalette(own);
    }
}

JLSegmentedControl::~JLSegmentedControl() = default;

int JLSegmentedControl::selectedSegment() const {
    return m_group->checkedId();
}

void JLSegmentedControl::setSelectedSegment(int segment) {
    if (QAbstractButton* button = m_group->button(segment))
        button->setChecked(true);
}

namespace {
// Four digits fit the panel's width beside its other buttons; a longer count would not, and shows as "9999+".
constexpr std::int64_t largestShownCount = 9999;
} // namespace

QAbstractButton* JLSegmentedControl::segmentButton(int segment) const {
    return m_group->button(segment);
}

QString JLSegmentedControl::label(int segment) const {
    return segment == 0 || segment == 1 ? m_labels[std::size_t(segment)] : QString();
}

void JLSegmentedControl::setLabel(int segment, const QString& text) {
    if (segment != 0 && segment != 1)
        return;
    m_labels[std::size_t(segment)] = text;
    showLabel(segment);
}

std::optional<std::int64_t> JLSegmentedControl::count(int segment) const {
    return segment == 0 || segment == 1 ? m_counts[std::size_t(segment)] : std::nullopt;
}

void JLSegmentedControl::setCount(int segment, std::optional<std::int64_t> count) {
    if ((segment != 0 && segment != 1) || m_counts[std::size_t(segment)] == count)
        return;
    m_counts[std::size_t(segment)] = count;
    showLabel(segment);
}

void JLSegmentedControl::showLabel(int segment) {
    // The row the control sits in makes room for a longer label only when told that the control's size changed.
    updateGeometry();
    QAbstractButton* button = m_group->button(segment);
    const QString& label = m_labels[std::size_t(segment)];
    const std::optional<std::int64_t> count = m_counts[std::size_t(segment)];
    if (!count) {
        button->setText(label);
        button->setAccessibleName(label);
        return;
    }
    const QString shown = *count > largestShownCount ? tr("%1+").arg(largestShownCount) : QString::number(*count);
    button->setText(tr("%1 (%2)").arg(label, shown));
    //: %1 is the segment's label, such as "To Do"
    button->setAccessibleName(
        tr("%1, %n item(s)", nullptr, static_cast<int>(std::min<std::int64_t>(*count, INT_MAX))).arg(label));
}
