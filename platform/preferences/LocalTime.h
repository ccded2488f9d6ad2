// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The current local time in strftime's format, for file names a person reads.
std::string localTimeText(const char* format);
