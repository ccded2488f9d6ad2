// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LabelFittedButton.h"

// A segment of the segmented control. A screen reader hears the control as a tab list and each segment as a tab,
// "To Do, 2 items, tab, 1 of 2", selected when chosen: one control with two choices, which the arrows move between,
// not two check boxes.
class SegmentButton final : public LabelFittedButton {
    Q_OBJECT
public:
    explicit SegmentButton(QWidget* parent);
    ~SegmentButton() override;
};

// The control holding the segments is heard as their tab list.
void exposeAsTabList(QWidget* control);
