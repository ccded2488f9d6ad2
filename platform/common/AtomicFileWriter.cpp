// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool fail(std::string* whyNot, const std::string& what, int error) {
    if (whyNot)
        *whyNot = what + ": " + std::strerror(error);
    return false;
}
} // namespace

FileCalls FileCalls::real() {
    return {[](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
            [](int fd) { return ::fsync(fd); }, [](const char* from, const char* to) { return ::rename(from, to); }};
}

bool AtomicFileWriter::replace(const std::string& path, std::string_view contents, mode_t mode,
                               std::string* whyNot) const {
    // The temporary file sits beside the target so the rename stays within one file system.
    std::vector<char> tmpl(path.begin(), path.end());
    const std::string suffix = ".XXXXXX";
    tmpl.insert(tmpl.end(), suffix.begin(), suffix.end());
    tmpl.push_back('\0');
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        return fail(whyNot, "cannot create a temporary file", errno);
    }
    const std::string tmpPath(tmpl.data());
    auto abandon = [&](const std::string& what, int error) {
        ::close(fd);
        ::unlink(tmpPath.c_str());
        return fail(whyNot, what, error);
    };
    if (::fchmod(fd, mode) != 0)
        return abandon("cannot set permissions", errno);

    // A crash while writing or syncing costs only the temporary file; the old file is untouched.
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = m_calls.write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandon("write failed", n < 0 ? errno : EIO);
        written += static_cast<size_t>(n);
    }
    if (m_calls.fsync(fd) != 0)
        return abandon("fsync failed", errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tmpPath.c_str());
        return fail(whyNot, "close failed", error);
    }
    // The rename is the moment of truth: before it the old file stands, after it the new one.
    if (m_calls.rename(tmpPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tmpPath.c_str());
        return fail(whyNot, "rename failed", error);
    }
    // Without syncing the folder a power cut could still bring back the old name.
    const int dirFd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}
