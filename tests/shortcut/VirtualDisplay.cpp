// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualDisplay.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

VirtualDisplay::~VirtualDisplay() {
    stop();
}

bool VirtualDisplay::start(int preferredDisplay) {
    return startOn(":" + std::to_string(preferredDisplay)) || startOn("");
}

// The server writes its display number to -displayfd once it accepts clients: that is the condition waited on.
bool VirtualDisplay::startOn(const std::string& display) {
    int ready[2];
    if (pipe(ready) != 0)
        return false;
    const std::string fd = std::to_string(ready[1]);
    std::vector<std::string> args{"Xvfb"};
    if (!display.empty())
        args.push_back(display);
    for (const char* arg : {"-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "640x480x24"})
        args.emplace_back(arg);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        m_pid = -1;
        close(ready[0]);
        return false;
    }

    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 15000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (c != '\n' || number.empty()) {
        stop();
        return false;
    }
    m_name = ":" + number;
    return true;
}

void VirtualDisplay::stop() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    m_name.clear();
}
