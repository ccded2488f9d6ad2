// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

struct xcb_connection_t;

// The X server's clock read now, for requests a window manager weighs by time. Qt stamps its own with the last
// event it saw, which is stale when the request follows a key pressed in another program (a desktop shortcut),
// and window managers then refuse the focus.
class X11ServerTime {
public:
    X11ServerTime() = default;
    ~X11ServerTime();
    X11ServerTime(const X11ServerTime&) = delete;
    X11ServerTime& operator=(const X11ServerTime&) = delete;

    // The server stamps a property change with its time; nothing when the display cannot be reached.
    std::optional<std::uint32_t> now();

private:
    bool connect();

    // A connection of its own: Qt reads the events of its connection on another thread.
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_window = 0;
    std::uint32_t m_atom = 0;
};
