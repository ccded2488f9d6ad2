// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <vector>

// A workspace a test sets up: it chooses the frontmost application and switches desktops.
class MemoryWorkspace final : public Workspace {
public:
    Application frontmostApplication() const override { return frontmost; }
    void activate(Application application) override {
        activated.push_back(application);
        if (application != 0)
            frontmost = application;
    }
    void focusOwnWindow(Application window) override { focusedOwnWindows.push_back(window); }
    bool openUrl(const std::string&) override { return true; }
    void setActiveDesktopChangedHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    void switchDesktop() {
        if (m_handler)
            m_handler();
    }

    Application frontmost = 0;
    std::vector<Application> activated;
    std::vector<Application> focusedOwnWindows;

private:
    std::function<void()> m_handler;
};
