// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUserDefaults.h"

#include "../Log.h"
#include "ConfigHome.h"
#include "LocalTime.h"
#include "PlistCodec.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

void makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), kFolderMode);
}

std::string timestamp() { return localTimeText("%Y%m%d-%H%M%S"); }

std::string resolvedPath(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

bool exists(const std::string& path) {
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0;
}
} // namespace

FileUserDefaults::FileUserDefaults(std::string path, FileCalls calls)
    : m_path(std::move(path)), m_filePath(resolvedPath(m_path)), m_writer(std::move(calls)), m_backups(m_filePath) {
    load();
}

std::string FileUserDefaults::defaultPath() {
    return configHome() + "/redizado/defaults.plist";
}

void FileUserDefaults::load() {
    std::ifstream in(m_filePath, std::ios::binary);
    if (!in) {
        if (exists(m_filePath))
            setAside(std::string("it cannot be opened: ") + std::strerror(errno));
        return;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        setAside("it cannot be read");
        return;
    }
    std::string why;
    auto values = plist_codec::fromBytes(bytes.view(), &why);
    if (!values) {
        setAside(why);
        return;
    }
    m_values = std::move(*values);
}

void FileUserDefaults::setAside(const std::string& why) {
    std::string aside = m_filePath + ".unreadable-" + timestamp();
    for (int n = 2; exists(aside); ++n)
        aside = m_filePath + ".unreadable-" + timestamp() + "-" + std::to_string(n);
    if (std::rename(m_filePath.c_str(), aside.c_str()) == 0) {
        m_setAsidePath = aside;
        logLine("store", "preferences file " + m_filePath + " is unreadable (" + why + "); kept it as " + aside +
                             " and started with empty preferences");
    } else {
        m_mustNotWrite = true;
        logLine("store", "preferences file " + m_filePath + " is unreadable (" + why + ") and could not be moved to " +
                             aside + ": " + std::strerror(errno) + "; changes will not be saved");
    }
}

std::optional<plist_value::Value> FileUserDefaults::objectForKey(const std::string& key) const {
    const auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

void FileUserDefaults::setObject(const std::string& key, plist_value::Value value) {
    m_values.insert_or_assign(key, std::move(value));
}

bool FileUserDefaults::probeFolder() {
    // A real file made and removed: permission bits say nothing for the superuser or a read-only mount.
    makeFolders(m_filePath);
    std::string probe = m_filePath.substr(0, m_filePath.rfind('/') + 1) + ".redizado-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        m_saveFailing = true;
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool FileUserDefaults::synchronize() {
    if (m_mustNotWrite)
        return false;
    makeFolders(m_filePath);
    m_backups.keepBeforeReplacing();
    std::string why;
    const bool saved = m_writer.replace(m_filePath, plist_codec::toXml(m_values), kFileMode, &why);
    // One line when saving starts to fail and one when it works again, not one per change.
    if (!saved && !m_saveFailing) {
        logLine("store", "could not save " + m_path + " (" + why + "); changes are kept in memory and saved again at "
                         "the next change");
        if (m_saveProblemHandler)
            m_saveProblemHandler("Your items could not be saved to " + m_path + " (" + why +
                                 "). They are kept while Redizado runs, and saving is tried again at each change.");
    }
    else if (saved && m_saveFailing)
        logLine("store", "saved " + m_path + " again");
    m_saveFailing = !saved;
    return saved;
}
