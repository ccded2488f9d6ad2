// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder under /tmp (or another base) for one test, removed with everything in it afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string tmpl = (base / "redizado-test-XXXXXX").string();
        m_path = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
