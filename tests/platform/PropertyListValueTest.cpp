// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyList.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace plist_value;

namespace {

std::vector<std::string> keysOf(const Dictionary& dict) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : dict)
        keys.push_back(key);
    return keys;
}

// Copies share their containers; a change through one must never show in another, at any depth.
TEST(PropertyListSharingTest, AChangeThroughACopyNeverShowsInTheOriginal) {
    const Value list(Array{Value(Dictionary{{"title", Value("old")}})});
    Value copy = list;
    copy.get<Array>()->at(0).get<Dictionary>()->insert_or_assign("title", Value("new"));
    copy.get<Array>()->push_back(Value("b"));
    EXPECT_EQ(list, Value(Array{Value(Dictionary{{"title", Value("old")}})}));
    EXPECT_EQ(copy.get<Array>()->size(), 2u);

    const Value data(Data{1, 2});
    Value dataCopy = data;
    dataCopy.get<Data>()->push_back(3);
    EXPECT_EQ(*data.get<Data>(), (Data{1, 2}));
}

// The file lists keys in order, as it always did, however they were set.
TEST(DictionaryTest, KeysStayInOrderAndTheLastValueSetCounts) {
    Dictionary dict;
    for (const char* key : {"m", "b", "z", "a", "b"})
        dict.insert_or_assign(key, Value(key));
    dict.insert_or_assign("m", Value(2));
    EXPECT_EQ(keysOf(dict), (std::vector<std::string>{"a", "b", "m", "z"}));
    EXPECT_EQ(dict.at("m"), Value(2));
    const Dictionary loaded = Dictionary::fromEntries({{"b", Value(1)}, {"a", Value(2)}, {"b", Value(3)}});
    EXPECT_EQ(keysOf(loaded), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(loaded.at("b"), Value(3));
    EXPECT_EQ(loaded, (Dictionary{{"b", Value(3)}, {"a", Value(2)}}));
    EXPECT_FALSE(loaded == (Dictionary{{"a", Value(2)}, {"b", Value(9)}}));
}

TEST(DictionaryTest, MissingKeysAreNotFound) {
    Dictionary dict{{"b", Value(1)}};
    EXPECT_EQ(dict.find("a"), dict.end());
    EXPECT_EQ(dict.find("c"), dict.end());
    EXPECT_THROW(dict.at("a"), std::out_of_range);
    EXPECT_EQ(dict.erase("a"), 0u);
    EXPECT_EQ(dict.erase("b"), 1u);
    EXPECT_TRUE(dict.empty());
}

} // namespace
