// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the tests on a private X server that lives as long as the test process; without Xvfb the tests run on the
// offscreen platform and skip what needs X.
#include "support/Xvfb.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<Xvfb> xvfb;
    if (!GTEST_FLAG_GET(list_tests)) {
        // No reset: root window properties the tests set must outlive the short-lived xprop clients.
        xvfb = std::make_unique<Xvfb>(std::vector<const char*>{"-screen", "0", "1024x768x24", "-noreset"});
        if (xvfb->display().empty())
            std::fprintf(stderr, "Xvfb did not start; the X11 tests are skipped\n");
    }
    const bool onX = xvfb && !xvfb->display().empty();
    ::setenv("QT_QPA_PLATFORM", onX ? "xcb" : "offscreen", 1);
    if (onX)
        ::setenv("DISPLAY", xvfb->display().c_str(), 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
