// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgLoginItems.h"

#include "ConfigHome.h"
#include "DesktopEntry.h"
#include "Log.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kEntryMode = 0644;
constexpr std::string_view kSuffix = ".desktop";

void log(const std::string& message) {
    logLine("loginitems", message);
}

bool makeFolders(const std::string& path, std::string* whyNot) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            *whyNot = "cannot create " + part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

// A bare program name is looked up the way the session starter will: along $PATH.
std::optional<std::string> onPath(const std::string& name) {
    const char* env = std::getenv("PATH");
    const std::string path = env ? env : "/usr/local/bin:/usr/bin:/bin";
    for (size_t start = 0; start <= path.size();) {
        const auto colon = std::min(path.find(':', start), path.size());
        const std::string folder = path.substr(start, colon - start);
        start = colon + 1;
        if (folder.empty() || folder.front() != '/')
            continue;
        const std::string candidate = folder + "/" + name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

bool hasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Desktop entry files are UTF-8; a path in another encoding cannot be written into one faithfully.
bool isUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xe  ? 3
                              : (lead >> 3) == 0x1e ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size())
            return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7f >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3f);
        }
        constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}
} // namespace

XdgLoginItems::XdgLoginItems(std::string folder, FileCalls calls)
    : m_folder(std::move(folder)), m_writer(std::move(calls)) {}

std::string XdgLoginItems::defaultFolder() {
    return configHome() + "/autostart";
}

std::vector<LoginItems::Entry> XdgLoginItems::entries() const {
    std::vector<Entry> out;
    DIR* folder = ::opendir(m_folder.c_str());
    if (!folder) {
        if (errno != ENOENT)
            log("cannot list " + m_folder + ": " + std::strerror(errno));
        return out;
    }
    while (const dirent* item = ::readdir(folder)) {
        const std::string name = item->d_name;
        if (name.size() > kSuffix.size() && name.ends_with(kSuffix))
            out.push_back({name, std::nullopt});
    }
    ::closedir(folder);
    // The folder has no order of its own; by name is the order a person sees it in.
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    for (Entry& entry : out)
        entry.program = programOf(entry.id);
    return out;
}

std::optional<std::string> XdgLoginItems::programOf(const std::string& fileName) const {
    const std::string path = m_folder + "/" + fileName;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        log("cannot read " + path + " (" + std::strerror(errno) + "); it is left as it is");
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    auto program = desktop_entry::execProgram(contents.view());
    if (!program || program->front() == '/')
        return program;
    if (program->find('/') != std::string::npos)
        return std::nullopt;
    return onPath(*program);
}

// Our own file name, unless it holds an entry for another copy of the program, which must not be lost.
std::string XdgLoginItems::freeFileName(const std::string& appPath) const {
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? "redizado.desktop" : "redizado-" + std::to_string(n) + ".desktop";
        struct stat st {};
        const std::string path = m_folder + "/" + name;
        if ((::lstat(path.c_str(), &st) != 0 && errno == ENOENT) || programOf(name) == appPath)
            return name;
    }
}

bool XdgLoginItems::insertLast(const std::string& appPath) {
    if (appPath.empty() || appPath.front() != '/' || hasControlCharacter(appPath) || !isUtf8(appPath)) {
        log("not adding \"" + appPath +
            "\" to the login items: only an absolute UTF-8 path without control characters can go into one");
        return false;
    }
    std::string why;
    if (!makeFolders(m_folder, &why)) {
        log("cannot add the login item: " + why);
        return false;
    }
    const std::string contents = "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=Redizado\n"
                                 "Exec=" +
                                 desktop_entry::execValue(appPath) +
                                 "\n"
                                 "TryExec=" +
                                 desktop_entry::stringValue(appPath) +
                                 "\n"
                                 "Icon=redizado\n"
                                 "X-GNOME-Autostart-enabled=true\n";
    const std::string path = m_folder + "/" + freeFileName(appPath);
    if (!m_writer.replace(path, contents, kEntryMode, &why)) {
        log("cannot write " + path + ": " + why);
        return false;
    }
    return true;
}

bool XdgLoginItems::remove(const Entry& entry) {
    if (entry.id.empty() || entry.id.find('/') != std::string::npos || entry.id == "." || entry.id == "..")
        return false;
    const std::string path = m_folder + "/" + entry.id;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        log("cannot remove the login item " + path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}
