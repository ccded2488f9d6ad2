// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

// The workspace where only Qt is known (Wayland, offscreen): no frontmost application, no desktop changes.
class QtWorkspace final : public Workspace {
public:
    Application frontmostApplication() const override { return 0; }
    void activate(Application) override {}
    void focusOwnWindow(Application) override {}
    bool openUrl(const std::string& url) override { return openUrlOnDesktop(url); }
    void setActiveDesktopChangedHandler(std::function<void()>) override {}

    // Hands the URL to the desktop's URL handler; false, with a log line, for a URL that is not one.
    static bool openUrlOnDesktop(const std::string& url);
};
