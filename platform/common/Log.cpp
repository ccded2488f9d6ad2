// SPDX-License-Identifier: GPL-3.0-or-later
#include "Log.h"

#include <cstdio>
#include <string>

namespace {
bool infoLogged = false;
} // namespace

void setInfoLogged(bool logged) {
    infoLogged = logged;
}

void logInfo(std::string_view category, std::string_view message) {
    if (infoLogged)
        logLine(category, message);
}

void logLine(std::string_view category, std::string_view message) {
    const std::string line = "redizado." + std::string(category) + ": " + std::string(message) + "\n";
    std::fputs(line.c_str(), stderr);
}
