// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>

// A virtual X server of the test's own: on the given display when that one is free, else on any free one.
class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // True once the server accepts connections; name() is then its DISPLAY value.
    bool start(int preferredDisplay);
    const std::string& name() const { return m_name; }

private:
    bool startOn(const std::string& display);
    void stop();

    pid_t m_pid = -1;
    std::string m_name;
};
