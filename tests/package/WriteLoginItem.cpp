// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the autostart entry the program writes when "Launch at login" is switched on, so that the desktop's own
// validator can read it. Usage: write-login-item FOLDER PROGRAM_PATH
#include "XdgLoginItems.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: write-login-item FOLDER PROGRAM_PATH\n", stderr);
        return 2;
    }
    XdgLoginItems items(argv[1]);
    return items.insertLast(argv[2]) ? 0 : 1;
}
