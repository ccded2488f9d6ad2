// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's delegate. All start-up work is the status item controller's.
class JLAppDelegate final {
public:
    void applicationDidFinishLaunching() {}
};
