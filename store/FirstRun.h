// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class UserDefaults;

// Writes the first-run values of each group whose marker is still unset; the marker goes last.
void runFirstRunProcedure(UserDefaults& defaults);
