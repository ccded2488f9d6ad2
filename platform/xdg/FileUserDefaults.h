// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../UserDefaults.h"
#include "AtomicFileWriter.h"
#include "PreferencesBackups.h"

#include <functional>
#include <string>

// The store kept as one XML property list, written through whole and atomically at each synchronize.
class FileUserDefaults final : public UserDefaults {
public:
    // Loads the file at path. An unreadable or wrongly shaped file is renamed aside, never overwritten.
    explicit FileUserDefaults(std::string path, FileCalls calls = FileCalls::real());

    // $XDG_CONFIG_HOME/redizado/defaults.plist, ~/.config when the variable is unset or relative.
    static std::string defaultPath();

    std::optional<plist_value::Value> objectForKey(const std::string& key) const override;
    void setObject(const std::string& key, plist_value::Value value) override;
    bool synchronize() override;

    const std::string& path() const { return m_path; }
    // Where an unreadable file was put aside at load, or empty.
    const std::string& setAsidePath() const { return m_setAsidePath; }
    // The last synchronize failed; the values are in memory only.
    bool saveFailing() const { return m_saveFailing; }
    // Told, in words for the user, each time saving starts to fail (not at every failed save).
    void setSaveProblemHandler(std::function<void(const std::string& message)> handler) {
        m_saveProblemHandler = std::move(handler);
    }
    // Whether the file's folder takes files. When it does not, saving counts as failing from now on, so the first
    // failed save is not told again.
    bool probeFolder();

private:
    void load();
    void setAside(const std::string& why);

    std::string m_path;
    // Where saves go: a symlinked file (kept in a dotfiles folder, say) is written at its target, link kept.
    std::string m_filePath;
    std::string m_setAsidePath;
    AtomicFileWriter m_writer;
    PreferencesBackups m_backups;
    plist_value::Dictionary m_values;
    // Set when an unreadable file could not be moved away: writing would destroy it.
    bool m_mustNotWrite = false;
    bool m_saveFailing = false;
    std::function<void(const std::string&)> m_saveProblemHandler;
};
