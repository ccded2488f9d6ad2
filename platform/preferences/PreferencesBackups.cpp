// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesBackups.h"

#include "LocalTime.h"
#include "Log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kDailyCopiesKept = 7;

} // namespace

PreferencesBackups::PreferencesBackups(std::string path) : m_path(std::move(path)) {}

std::string PreferencesBackups::folder() const {
    return fs::path(m_path).parent_path().string() + "/backups";
}

void PreferencesBackups::keepBeforeReplacing() const {
    if (::access(m_path.c_str(), F_OK) != 0)
        return;
    // A crash between unlink and link only costs the previous .bak; the file itself is untouched.
    const std::string bak = bakPath();
    ::unlink(bak.c_str());
    if (::link(m_path.c_str(), bak.c_str()) != 0)
        logLine("store", "could not keep " + bak + ": " + std::strerror(errno));
    keepDailyCopy();
}

void PreferencesBackups::keepDailyCopy() const {
    std::error_code error;
    const fs::path dir = folder();
    const fs::path copy = dir / ("defaults-" + localTimeText("%Y-%m-%d") + ".plist");
    if (fs::exists(copy, error))
        return;
    fs::create_directories(dir, error);
    fs::permissions(dir, fs::perms::owner_all, error);
    if (!fs::copy_file(m_path, copy, error)) {
        logLine("store", "could not copy the preferences to " + copy.string() + ": " + error.message());
        return;
    }
    // Once a day, so the log tells where to look for an older list.
    logInfo("store", "kept today's copy of the preferences as " + copy.string() + " (the last " +
                         std::to_string(kDailyCopiesKept) + " days are kept in " + dir.string() + ")");
    std::vector<fs::path> copies;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("defaults-") && name.ends_with(".plist"))
            copies.push_back(entry.path());
    }
    // Names sort by date.
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + kDailyCopiesKept < copies.size(); ++i)
        fs::remove(copies[i], error);
}
