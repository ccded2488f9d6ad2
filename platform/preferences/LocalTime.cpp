// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalTime.h"

#include <ctime>

std::string localTimeText(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buffer[64];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, length);
}
