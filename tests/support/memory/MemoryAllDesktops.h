// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AllDesktops.h"

#include <vector>

// Remembers which windows asked to be on every desktop.
class MemoryAllDesktops final : public AllDesktops {
public:
    void joinAllDesktops(QWidget& window) override { windows.push_back(&window); }

    std::vector<QWidget*> windows;
};
