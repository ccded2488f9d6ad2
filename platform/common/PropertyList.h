// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
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
class Dictionary;
using Array = std::vector<Value>;
using Data = std::vector<std::uint8_t>;

// A dictionary key. Its text is kept once for the whole program: ten thousand items share their three keys.
class Key {
public:
    Key(std::string_view text);
    Key(const std::string& text) : Key(std::string_view(text)) {}
    Key(const char* text) : Key(std::string_view(text)) {}

    const std::string& str() const { return *m_text; }
    operator const std::string&() const { return *m_text; }
    const char* c_str() const { return m_text->c_str(); }

    friend bool operator==(const Key& a, const Key& b) { return a.m_text == b.m_text; }

private:
    const std::string* m_text;
};

// A container shared by every copy until one of them is changed: copying the item list, or handing an item's
// dictionary from the store to its record, costs a reference, not the contents.
template <typename T> class Shared {
public:
    explicit Shared(T contents) : m_contents(std::make_shared<T>(std::move(contents))) {}

    const T& get() const { return *m_contents; }
    // Copies the contents first when someone else still shares them.
    T& edit() {
        if (m_contents.use_count() != 1)
            m_contents = std::make_shared<T>(std::as_const(*m_contents));
        return *m_contents;
    }
    bool sameAs(const Shared& other) const { return m_contents == other.m_contents; }

private:
    std::shared_ptr<T> m_contents;
};

// One property-list value: what the preferences file can hold.
class Value {
public:
    using Storage =
        std::variant<bool, std::int64_t, double, std::string, Date, Shared<Data>, Shared<Array>, Shared<Dictionary>>;

    Value(bool b) : m_storage(b) {}
    Value(std::int64_t i) : m_storage(i) {}
    Value(int i) : m_storage(std::int64_t{i}) {}
    Value(double d) : m_storage(d) {}
    Value(std::string s) : m_storage(std::move(s)) {}
    Value(const char* s) : m_storage(std::string(s)) {}
    Value(Date d) : m_storage(std::move(d)) {}
    Value(Data d) : m_storage(Shared<Data>(std::move(d))) {}
    Value(Array a) : m_storage(Shared<Array>(std::move(a))) {}
    Value(Dictionary d);
    Value(Shared<Dictionary> d) : m_storage(std::move(d)) {}

    template <typename T> const T* get() const {
        if constexpr (isShared<T>) {
            const auto* shared = std::get_if<Shared<T>>(&m_storage);
            return shared ? &shared->get() : nullptr;
        } else {
            return std::get_if<T>(&m_storage);
        }
    }
    // A container is copied here first when other values share it, so the change stays in this one.
    template <typename T> T* get() {
        if constexpr (isShared<T>) {
            auto* shared = std::get_if<Shared<T>>(&m_storage);
            return shared ? &shared->edit() : nullptr;
        } else {
            return std::get_if<T>(&m_storage);
        }
    }
    // The dictionary itself, to share rather than copy; nothing when this is no dictionary.
    const Shared<Dictionary>* sharedDictionary() const { return std::get_if<Shared<Dictionary>>(&m_storage); }

    // Lenient readings, the way a settings store reads a hand-edited value.
    bool boolValue() const;
    std::int64_t integerValue() const;

    const Storage& storage() const { return m_storage; }

private:
    template <typename T>
    static constexpr bool isShared =
        std::is_same_v<T, Data> || std::is_same_v<T, Array> || std::is_same_v<T, Dictionary>;

    Storage m_storage;
};

// Structural equality; dates compare by time here (identity is the record's business).
bool operator==(const Value& a, const Value& b);

// Keys and values kept side by side in key order: an item's dictionary is one small block, not a node per key.
// The reading side of a std::map: find, at, count, iteration in key order.
class Dictionary {
public:
    using value_type = std::pair<Key, Value>;
    using Entries = std::vector<value_type>;
    using iterator = Entries::iterator;
    using const_iterator = Entries::const_iterator;

    Dictionary() = default;
    // The first of two equal keys counts, as in a map.
    Dictionary(std::initializer_list<value_type> entries);
    // Entries in any order; the last of two equal keys counts, as if each were set in turn.
    static Dictionary fromEntries(Entries entries);

    iterator begin() { return m_entries.begin(); }
    iterator end() { return m_entries.end(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }

    iterator find(std::string_view key);
    const_iterator find(std::string_view key) const;
    std::size_t count(std::string_view key) const { return find(key) == end() ? 0 : 1; }
    bool contains(std::string_view key) const { return find(key) != end(); }
    // Throws std::out_of_range for a missing key.
    Value& at(std::string_view key);
    const Value& at(std::string_view key) const;
    std::pair<iterator, bool> insert_or_assign(Key key, Value value);
    std::size_t erase(std::string_view key);

    friend bool operator==(const Dictionary& a, const Dictionary& b) { return a.m_entries == b.m_entries; }

private:
    Entries m_entries;
};

inline Value::Value(Dictionary d) : m_storage(Shared<Dictionary>(std::move(d))) {}

} // namespace plist_value
