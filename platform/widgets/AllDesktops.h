// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Makes a top-level panel window show on every virtual desktop, whichever is current, and keeps it out of task
// lists and pagers; it holds for every later show of the window.
class AllDesktops {
public:
    virtual ~AllDesktops() = default;
    virtual void joinAllDesktops(QWidget& window) = 0;
};
