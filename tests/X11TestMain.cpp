// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the tests on a private X server (display :94) that lives as long as the test process; without Xvfb
// the tests run on the offscreen platform and skip what needs X.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr const char* kDisplay = ":94";

// Starts Xvfb and waits until it accepts clients; 0 when it could not be started.
pid_t startXvfb() {
    int ready[2];
    if (::pipe(ready) != 0)
        return 0;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const std::string fd = std::to_string(ready[1]);
        // No reset: root window properties the tests set must outlive the short-lived xprop clients.
        ::execlp("Xvfb", "Xvfb", kDisplay, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset", "-displayfd",
                 fd.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    // Xvfb writes its display number and a line break once it is ready; closing early would fail its write.
    std::string number;
    char c = 0;
    while (pid > 0 && c != '\n' && ::read(ready[0], &c, 1) == 1)
        number += c;
    ::close(ready[0]);
    if (number.empty() || number.back() != '\n') {
        if (pid > 0)
            ::waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "Xvfb %s did not start; the X11 tests are skipped\n", kDisplay);
        return 0;
    }
    return pid;
}
} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const pid_t xvfb = GTEST_FLAG_GET(list_tests) ? 0 : startXvfb();
    ::setenv("QT_QPA_PLATFORM", xvfb ? "xcb" : "offscreen", 1);
    if (xvfb)
        ::setenv("DISPLAY", kDisplay, 1);
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (xvfb) {
        ::kill(xvfb, SIGTERM);
        ::waitpid(xvfb, nullptr, 0);
    }
    return result;
}
