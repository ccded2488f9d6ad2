// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FileUserDefaults;
class StatusItem;

// Tells the user, once and from the tray, when the preferences cannot be saved: at start when their folder is
// read-only, and whenever saving starts to fail.
void noticeSaveProblems(FileUserDefaults& defaults, StatusItem& statusItem);

// At quit, once a save being written has ended, with changes that could not be saved: one more try, and a log line
// saying how it went. True when nothing is left unsaved.
bool saveOnceMoreAtQuit(FileUserDefaults& defaults);
