// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigHome.h"

#include <cstdlib>

std::string configHome() {
    // A relative value is to be ignored, as the base directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.config";
}
