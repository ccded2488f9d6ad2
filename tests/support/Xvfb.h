// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A virtual X server that lives as long as this object, and no longer than the test process.
class Xvfb {
public:
    // Starts Xvfb with the arguments, on any free display unless they name one, and waits until it accepts
    // clients. display() is ":N" then, and empty when Xvfb is missing or did not start.
    explicit Xvfb(std::vector<const char*> arguments = {}) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        const std::string fd = std::to_string(ready[1]);
        arguments.insert(arguments.begin(), "Xvfb");
        arguments.insert(arguments.end(), {"-nolisten", "tcp", "-displayfd", fd.c_str(), nullptr});
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::execvp("Xvfb", const_cast<char* const*>(arguments.data()));
            ::_exit(127);
        }
        ::close(ready[1]);
        // Xvfb writes its display number and a line break once it is ready; closing early would fail its write.
        std::string number;
        char c = 0;
        while (m_pid > 0 && c != '\n' && ::read(ready[0], &c, 1) == 1)
            number += c;
        ::close(ready[0]);
        if (number.size() > 1 && c == '\n')
            m_display = ":" + number.substr(0, number.size() - 1);
    }
    ~Xvfb() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = 0;
    std::string m_display;
};
