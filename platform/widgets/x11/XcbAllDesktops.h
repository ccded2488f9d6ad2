// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AllDesktops.h"

// Puts a window on every desktop through _NET_WM_DESKTOP and out of task lists through _NET_WM_STATE, as a dialog
// window, at once and on every later show; does nothing when Qt is not on xcb.
class XcbAllDesktops final : public AllDesktops {
public:
    void joinAllDesktops(QWidget& window) override;
};
