// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A way back from a bad save or a bad edit: "<file>.bak" is the file each save replaced, and
// backups/ beside it holds one copy a day, the last seven days kept.
class PreferencesBackups {
public:
    explicit PreferencesBackups(std::string path);

    // Before a save: keeps the current file as .bak (a hard link, so no copy) and takes today's copy.
    void keepBeforeReplacing() const;

    std::string bakPath() const { return m_path + ".bak"; }
    std::string folder() const;

private:
    void keepDailyCopy() const;

    std::string m_path;
};
