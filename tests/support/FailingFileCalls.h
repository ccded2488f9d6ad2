// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtomicFileWriter.h"

#include <cerrno>
#include <memory>

// One step of writing a file.
enum class FileStep { write, fsync, rename };

// File calls whose one step fails with the error while *failing holds, as a full disk or a failing drive would;
// the other steps, and this one once *failing is false, are the real ones.
inline FileCalls failingAt(FileStep step, int error, std::shared_ptr<bool> failing = std::make_shared<bool>(true)) {
    FileCalls calls = FileCalls::real();
    const auto fail = [error] {
        errno = error;
        return -1;
    };
    if (step == FileStep::write)
        calls.write = [real = calls.write, failing, fail](int fd, const void* data, size_t size) -> ssize_t {
            return *failing ? fail() : real(fd, data, size);
        };
    if (step == FileStep::fsync)
        calls.fsync = [real = calls.fsync, failing, fail](int fd) { return *failing ? fail() : real(fd); };
    if (step == FileStep::rename)
        calls.rename = [real = calls.rename, failing, fail](const char* from, const char* to) {
            return *failing ? fail() : real(from, to);
        };
    return calls;
}
