// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <vector>

// A workspace a test sets up: it chooses the frontmost application and switches desktops.
class MemoryWorkspace final : public Workspace {
public:
    Application frontmostApplication() const override { return m_frontmost; }
    void activate(Application application) override {
        m_activated.push_back(application);
        if (application != 0)
            m_frontmost = application;
    }
    void focusOwnWindow(Application window) override { m_focusedOwn.push_back(window); }
    bool openUrl(const std::string&) override { return true; }
    void setActiveDesktopChangedHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    void setFrontmostApplication(Application application) { m_frontmost = application; }
    void switchDesktop() {
        if (m_handler)
            m_handler();
    }
    const std::vector<Application>& activated() const { return m_activated; }
    const std::vector<Application>& focusedOwnWindows() const { return m_focusedOwn; }

private:
    Application m_frontmost = 0;
    std::vector<Application> m_activated;
    std::vector<Application> m_focusedOwn;
    std::function<void()> m_handler;
};
