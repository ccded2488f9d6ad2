// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyList.h"

#include <gtest/gtest.h>

using namespace plist_value;

namespace {

// The file lists keys in order, as it always did, however they were set; a key given twice keeps its last value.
TEST(DictionaryTest, KeysStayInOrderAndTheLastValueSetCounts) {
    Dictionary dict;
    for (const char* key : {"m", "b", "z", "a", "b"})
        dict.insert_or_assign(key, Value(key));
    dict.insert_or_assign("m", Value(2));
    std::vector<std::string> keys;
    for (const auto& [key, value] : dict)
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "m", "z"}));
    EXPECT_EQ(dict.at("m"), Value(2));
    const Dictionary loaded = Dictionary::fromEntries({{"b", Value(1)}, {"a", Value(2)}, {"b", Value(3)}});
    EXPECT_EQ(loaded, (Dictionary{{"b", Value(3)}, {"a", Value(2)}}));
}

} // namespace
