// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstRun.h"

#include "PreferencesKeys.h"
#include "UserDefaults.h"

void runFirstRunProcedure(UserDefaults& defaults) {
    if (!defaults.boolForKey(keys::loadKeyStatus)) {
        defaults.setBool(keys::launchAtLogin, false);
        defaults.setBool(keys::showToDoCount, true);
        defaults.setBool(keys::squareIcon, true);
        defaults.setBool(keys::hideAfterEntry, false);
        defaults.setInteger(keys::toDoCountKey, 1);
        defaults.setBool(keys::loadKeyStatus, true);
        defaults.synchronize();
    }
    if (!defaults.boolForKey(keys::launchKeyTwo)) {
        defaults.setBool(keys::shortcutKey, false);
        defaults.setObject(keys::shortcutKeyCodeKey, "\u23B5");
        defaults.setObject(keys::shortcutModifierCodeKeyOne, "\u2303");
        defaults.setObject(keys::shortcutModifierCodeKeyTwo, "None");
        defaults.setBool(keys::launchKeyTwo, true);
        defaults.synchronize();
    }
}
