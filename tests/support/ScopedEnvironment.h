// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

// Sets variables for one test and puts back what was there, so that later tests see the machine's environment.
class ScopedEnvironment {
public:
    ScopedEnvironment(const std::string& name, const std::string& value) { set(name, value); }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : m_saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value) {
        save(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }

private:
    void save(const std::string& name) {
        const char* old = std::getenv(name.c_str());
        m_saved.try_emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    }
    std::map<std::string, std::optional<std::string>> m_saved;
};
