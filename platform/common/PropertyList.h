// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace plist_value {

// A moment in time. Shared and immutable: items are found again by the identity of this object.
struct DateValue {
    double secondsSince1970 = 0;
};
using Date = std::shared_ptr<const DateValue>;

Date makeDate(double secondsSince1970);
Date now();

class Value;
using Array = std::vector<Value>;
using Dictionary = std::map<std::string, Value>;
using Data = std::vector<std::uint8_t>;

// One property-list value: what the preferences file can hold.
class Value {
public:
    using Storage = std::variant<bool, std::int64_t, double, std::string, Date, Data, Array, Dictionary>;

    Value(bool b) : m_storage(b) {}
    Value(std::int64_t i) : m_storage(i) {}
    Value(int i) : m_storage(std::int64_t{i}) {}
    Value(double d) : m_storage(d) {}
    Value(std::string s) : m_storage(std::move(s)) {}
    Value(const char* s) : m_storage(std::string(s)) {}
    Value(Date d) : m_storage(std::move(d)) {}
    Value(Data d) : m_storage(std::move(d)) {}
    Value(Array a) : m_storage(std::move(a)) {}
    Value(Dictionary d) : m_storage(std::move(d)) {}

    template <typename T> const T* get() const { return std::get_if<T>(&m_storage); }
    template <typename T> T* get() { return std::get_if<T>(&m_storage); }

    // Lenient readings, the way a settings store reads a hand-edited value.
    bool boolValue() const;
    std::int64_t integerValue() const;

    const Storage& storage() const { return m_storage; }

private:
    Storage m_storage;
};

// Structural equality; dates compare by time here (identity is the record's business).
bool operator==(const Value& a, const Value& b);

} // namespace plist_value
