// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The desktop around the program: which application has the focus, and which virtual desktop shows.
class Workspace {
public:
    // Names an application for as long as it keeps its window; 0 names none.
    using Application = std::uint64_t;

    virtual ~Workspace() = default;

    // The application the user is working in; 0 when there is none or it is this program.
    virtual Application frontmostApplication() const = 0;
    // Brings the application forward and gives it the focus, even while this program is active.
    virtual void activate(Application application) = 0;
    // Gives the keyboard to a window of this program that has just been put on screen: a window manager may leave
    // it with the window that had it when the request to show came from a key pressed there.
    virtual void focusOwnWindow(Application window) = 0;
    // Opens the URL in the user's preferred application; false when it could not be handed on.
    virtual bool openUrl(const std::string& url) = 0;
    // Called each time the user switches to another virtual desktop; replaces any earlier handler.
    virtual void setActiveDesktopChangedHandler(std::function<void()> handler) = 0;
};
