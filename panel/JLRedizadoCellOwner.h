// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a row's controls send to the controller that made the row.
class JLRedizadoCellOwner {
public:
    virtual ~JLRedizadoCellOwner() = default;
    // The row's check box or remove button was clicked.
    virtual void rowButtonClicked(QWidget* sender) = 0;
    // Editing of the row's title ended.
    virtual void entryChanged(QWidget* sender) = 0;
};
