// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// One diagnostic line on the standard error stream: "redizado.<category>: message".
void logLine(std::string_view category, std::string_view message);
// The same for news that is no problem, printed only once turned on (off by default).
void logInfo(std::string_view category, std::string_view message);
void setInfoLogged(bool logged);
