// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyList.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <mutex>
#include <set>
#include <stdexcept>

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

// The pool only grows: a file brings a handful of distinct keys, and a key's text must outlive every copy of it.
Key::Key(std::string_view text) {
    static std::mutex lock;
    static std::set<std::string, std::less<>> pool;
    const std::scoped_lock guard(lock);
    auto found = pool.find(text);
    if (found == pool.end())
        found = pool.emplace(text).first;
    m_text = &*found;
}

namespace {
bool keyBefore(const Dictionary::value_type& entry, std::string_view key) {
    return entry.first.str() < key;
}
} // namespace

Dictionary::Dictionary(std::initializer_list<value_type> entries) {
    for (const auto& entry : entries) {
        if (!contains(entry.first.str()))
            insert_or_assign(entry.first, entry.second);
    }
}

Dictionary Dictionary::fromEntries(Entries entries) {
    const auto before = [](const value_type& a, const value_type& b) { return a.first.str() < b.first.str(); };
    Dictionary dict;
    // A file this program wrote lists its keys in order already.
    if (std::adjacent_find(entries.begin(), entries.end(),
                           [&](const value_type& a, const value_type& b) { return !before(a, b); }) == entries.end()) {
        dict.m_entries = std::move(entries);
        return dict;
    }
    // Sorted once rather than inserted one by one: a hand-made file may list thousands of keys out of order.
    std::stable_sort(entries.begin(), entries.end(), before);
    dict.m_entries.reserve(entries.size());
    for (auto& entry : entries) {
        if (!dict.m_entries.empty() && dict.m_entries.back().first == entry.first)
            dict.m_entries.back().second = std::move(entry.second);
        else
            dict.m_entries.push_back(std::move(entry));
    }
    return dict;
}

Dictionary::iterator Dictionary::find(std::string_view key) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyBefore);
    return at != m_entries.end() && at->first.str() == key ? at : m_entries.end();
}

Dictionary::const_iterator Dictionary::find(std::string_view key) const {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyBefore);
    return at != m_entries.end() && at->first.str() == key ? at : m_entries.end();
}

Value& Dictionary::at(std::string_view key) {
    const auto found = find(key);
    if (found == end())
        throw std::out_of_range("no such key in the dictionary");
    return found->second;
}

const Value& Dictionary::at(std::string_view key) const {
    const auto found = find(key);
    if (found == end())
        throw std::out_of_range("no such key in the dictionary");
    return found->second;
}

std::pair<Dictionary::iterator, bool> Dictionary::insert_or_assign(Key key, Value value) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key.str(), keyBefore);
    if (at != m_entries.end() && at->first == key) {
        at->second = std::move(value);
        return {at, false};
    }
    return {m_entries.emplace(at, std::move(key), std::move(value)), true};
}

std::size_t Dictionary::erase(std::string_view key) {
    const auto found = find(key);
    if (found == end())
        return 0;
    m_entries.erase(found);
    return 1;
}

} // namespace plist_value
