// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AgreedItems.h"
#include "SyncState.h"

#include <optional>
#include <string>
#include <sys/types.h>

// The state file and what it held when last read or written here: a sync reads the file again only when something
// else replaced it, not each time (at 10,000 tasks reading it costs more than a sync with nothing to do). A run takes
// the state out and puts it back rather than copying it, which at that size costs about as much.
class SyncStateFile final {
public:
    explicit SyncStateFile(std::string path = SyncState::defaultPath()) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // As SyncState::load.
    const SyncState& load(std::string* whyNot = nullptr);
    // As load, moved out, with the list its tasks agree with: until it is put back the file is read again at each
    // load.
    SyncState take(std::string* whyNot = nullptr, AgreedItems* agreed = nullptr);
    // A state taken, and then saved or left unchanged: what the file holds again. With the list its tasks agree
    // with, when that is known.
    void putBack(SyncState state, AgreedItems agreed = {});
    // As SyncState::save; what was saved is then what the file holds.
    bool save(const SyncState& state, std::string* whyNot = nullptr);
    // The list the held state's tasks agree with; unknown once the file was read anew.
    const AgreedItems& agreed() const { return m_agreed; }

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
    AgreedItems m_agreed;
    // Of the file m_held came from; unset until it was read or written, or after it could not be read.
    std::optional<std::optional<Identity>> m_heldFrom;
    // m_held was taken out and not put back yet.
    bool m_taken = false;
};
