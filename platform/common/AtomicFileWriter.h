// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The system calls a save goes through; tests swap one for a failing one.
struct FileCalls {
    std::function<ssize_t(int, const void*, size_t)> write;
    std::function<int(int)> fsync;
    std::function<int(const char*, const char*)> rename;

    static FileCalls real();
};

// Replaces a file with new contents so that a crash at any moment leaves either the old file or the new one.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(FileCalls calls = FileCalls::real()) : m_calls(std::move(calls)) {}

    // false, with the failed step and its error in whyNot, when the old file was left as it was.
    bool replace(const std::string& path, std::string_view contents, mode_t mode, std::string* whyNot = nullptr) const;

private:
    FileCalls m_calls;
};
