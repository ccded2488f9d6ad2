// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class LoginItems;

// Puts the program at appPath at the end of the login items, without looking for an entry already there.
// False when the list took nothing.
bool addAppAsLoginItem(LoginItems& loginItems, const std::string& appPath);

// Takes out every login item that starts appPath; entries whose program cannot be worked out stay.
// False when one of them could not be taken out.
bool deleteAppFromLoginItem(LoginItems& loginItems, const std::string& appPath);
