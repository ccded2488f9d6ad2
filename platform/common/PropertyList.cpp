// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyList.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace plist_value {

Date makeDate(double secondsSince1970) {
    return std::make_shared<const DateValue>(DateValue{secondsSince1970});
}

Date now() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return makeDate(std::chrono::duration<double>(since).count());
}

bool Value::boolValue() const {
    if (auto b = get<bool>())
        return *b;
    if (auto i = get<std::int64_t>())
        return *i != 0;
    if (auto d = get<double>())
        return *d != 0;
    if (auto s = get<std::string>()) {
        // Like a hand-written "YES", "true" or "1".
        for (char c : *s) {
            if (c == ' ' || c == '\t' || c == '0' || c == '+' || c == '-')
                continue;
            return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
        }
    }
    return false;
}

std::int64_t Value::integerValue() const {
    if (auto i = get<std::int64_t>())
        return *i;
    if (auto b = get<bool>())
        return *b ? 1 : 0;
    if (auto d = get<double>()) {
        if (!std::isfinite(*d))
            return 0;
        if (*d >= 9.2e18)
            return std::numeric_limits<std::int64_t>::max();
        if (*d <= -9.2e18)
            return std::numeric_limits<std::int64_t>::min();
        return static_cast<std::int64_t>(*d);
    }
    if (auto s = get<std::string>()) {
        try {
            return std::stoll(*s);
        } catch (...) {
            return 0;
        }
    }
    return 0;
}

bool operator==(const Value& a, const Value& b) {
    if (a.storage().index() != b.storage().index())
        return false;
    return std::visit(
        [&b](const auto& mine) {
            using T = std::decay_t<decltype(mine)>;
            const T& theirs = std::get<T>(b.storage());
            if constexpr (std::is_same_v<T, Date>) {
                if (!mine || !theirs)
                    return mine == theirs;
                return mine->secondsSince1970 == theirs->secondsSince1970;
            } else if constexpr (std::is_same_v<T, Shared<Data>> || std::is_same_v<T, Shared<Array>> ||
                                 std::is_same_v<T, Shared<Dictionary>>) {
                return mine.sameAs(theirs) || mine.get() == theirs.get();
            } else {
                return mine == theirs;
            }
        },
        a.storage());
}

} // namespace plist_value
