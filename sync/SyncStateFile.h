// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncState.h"

#include <optional>
#include <string>
#include <sys/types.h>

// The state file and what it held when last read or written here: a sync reads the file again only when something
// else replaced it, not each time (at 10,000 tasks reading it costs more than a sync with nothing to do).
class SyncStateFile final {
public:
    explicit SyncStateFile(std::string path = SyncState::defaultPath()) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // As SyncState::load.
    const SyncState& load(std::string* whyNot = nullptr);
    // As SyncState::save; what was saved is then what the file holds.
    bool save(const SyncState& state, std::string* whyNot = nullptr);
    // What the file holds as far as this knows: empty before the first load.
    const SyncState& held() const { return m_held; }

private:
    // Which file is there: a replaced file is another inode, an edited one another size or time.
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modifiedNs = 0;
        friend bool operator==(const Identity&, const Identity&) = default;
    };
    // Nothing when there is no file.
    static std::optional<Identity> identityOf(const std::string& path);

    std::string m_path;
    SyncState m_held;
    // Of the file m_held came from; unset until it was read or written, or after it could not be read.
    std::optional<std::optional<Identity>> m_heldFrom;
};
