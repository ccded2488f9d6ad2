// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncStateFile.h"

#include <sys/stat.h>
#include <utility>

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
    if (!m_taken && m_heldFrom && *m_heldFrom == identity)
        return m_held;
    std::string why;
    m_held = SyncState::load(m_path, &why);
    m_agreed = {};
    m_taken = false;
    // An unreadable file is read, and reported, again.
    m_heldFrom = why.empty() ? std::optional(identity) : std::nullopt;
    if (whyNot)
        *whyNot = why;
    return m_held;
}

SyncState SyncStateFile::take(std::string* whyNot, AgreedItems* agreed) {
    load(whyNot);
    m_taken = true;
    if (agreed)
        *agreed = std::exchange(m_agreed, AgreedItems{});
    return std::exchange(m_held, SyncState{});
}

void SyncStateFile::putBack(SyncState state, AgreedItems agreed) {
    m_held = std::move(state);
    m_agreed = std::move(agreed);
    m_taken = false;
}

bool SyncStateFile::save(const SyncState& state, std::string* whyNot) {
    if (!state.save(m_path, whyNot))
        return false;
    // A state taken out comes back through putBack, without a copy.
    if (!m_taken)
        m_held = state;
    m_agreed = {};
    m_heldFrom = identityOf(m_path);
    return true;
}
