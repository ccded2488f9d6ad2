// SPDX-License-Identifier: GPL-3.0-or-later
// Adds items to the preferences file at argv[1] as fast as it can, printing each title once its add returned.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    FileUserDefaults defaults(argv[1]);
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    for (int i = 0;; ++i) {
        const std::string title = std::string(argv[2]) + "-" + std::to_string(i);
        manager.addJotlingWithTitle(title);
        std::printf("%s\n", title.c_str());
        std::fflush(stdout);
    }
}
