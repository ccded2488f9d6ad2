// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserDefaults.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::unique_ptr<UserDefaults>& standardSlot() {
    static std::unique_ptr<UserDefaults> slot;
    return slot;
}
} // namespace

bool UserDefaults::boolForKey(const std::string& key) const {
    const auto value = objectForKey(key);
    return value && value->boolValue();
}

std::int64_t UserDefaults::integerForKey(const std::string& key) const {
    const auto value = objectForKey(key);
    return value ? value->integerValue() : 0;
}

UserDefaults& UserDefaults::standardUserDefaults() {
    auto& slot = standardSlot();
    // A store kept only in memory would lose every item at quit without a word: a program that forgot to
    // install its store must stop at once.
    if (!slot) {
        std::fputs("redizado: no preferences store was installed before it was used\n", stderr);
        std::abort();
    }
    return *slot;
}

void UserDefaults::setStandardUserDefaults(std::unique_ptr<UserDefaults> defaults) {
    standardSlot() = std::move(defaults);
}
