// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Makes a top-level window show on every virtual desktop, whichever is current.
class AllDesktops {
public:
    virtual ~AllDesktops() = default;
    virtual void joinAllDesktops(QWidget &window) = 0;
};
