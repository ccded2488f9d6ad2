// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The user's configuration folder: $XDG_CONFIG_HOME when it is absolute, else ~/.config.
std::string configHome();
