// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncStateFile.h"

#include <sys/stat.h>

std::optional<SyncStateFile::Identity> SyncStateFile::identityOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino, status.st_size,
                    status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

const SyncState& SyncStateFile::load(std::string* whyNot) {
    // Looked at before reading: a file replaced in between is read again next time.
    const std::optional<Identity> identity = identityOf(m_path);
    if (m_heldFrom && *m_heldFrom == identity)
        return m_held;
    std::string why;
    m_held = SyncState::load(m_path, &why);
    // An unreadable file is read, and reported, again.
    m_heldFrom = why.empty() ? std::optional(identity) : std::nullopt;
    if (whyNot)
        *whyNot = why;
    return m_held;
}

bool SyncStateFile::save(const SyncState& state, std::string* whyNot) {
    if (!state.save(m_path, whyNot))
        return false;
    m_held = state;
    m_heldFrom = identityOf(m_path);
    return true;
}
