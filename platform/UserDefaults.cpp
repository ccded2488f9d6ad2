// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserDefaults.h"

#include "memory/MemoryUserDefaults.h"

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
    if (!slot)
        slot = std::make_unique<MemoryUserDefaults>();
    return *slot;
}

void UserDefaults::setStandardUserDefaults(std::unique_ptr<UserDefaults> defaults) {
    standardSlot() = std::move(defaults);
}
