// SPDX-License-Identifier: GPL-3.0-or-later
#include "Log.h"

#include <cstdio>
#include <string>

void logLine(std::string_view category, std::string_view message) {
    const std::string line = "redizado." + std::string(category) + ": " + std::string(message) + "\n";
    std::fputs(line.c_str(), stderr);
}
