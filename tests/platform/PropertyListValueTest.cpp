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

// Copies share their containers; a change through one must never show in another.
TEST(PropertyListSharingTest, ChangingACopiedListLeavesTheOriginal) {
    const Value original(Array{Value("a")});
    Value copy = original;
    copy.get<Array>()->push_back(Value("b"));
    EXPECT_EQ(original.get<Array>()->size(), 1u);
    EXPECT_EQ(copy.get<Array>()->size(), 2u);
}

TEST(PropertyListSharingTest, ChangingAnItemOfACopiedListLeavesTheOriginalItem) {
    const Value original(Array{Value(Dictionary{{"title", Value("old")}})});
    Value copy = original;
    copy.get<Array>()->at(0).get<Dictionary>()->insert_or_assign("title", Value("new"));
    EXPECT_EQ(original.get<Array>()->at(0).get<Dictionary>()->at("title"), Value("old"));
    EXPECT_EQ(copy.get<Array>()->at(0).get<Dictionary>()->at("title"), Value("new"));
}

TEST(PropertyListSharingTest, ChangingSharedDataLeavesTheOriginal) {
    const Value original(Data{1, 2});
    Value copy = original;
    copy.get<Data>()->push_back(3);
    EXPECT_EQ(*original.get<Data>(), (Data{1, 2}));
}

TEST(PropertyListSharingTest, EqualContentsCompareEqualWhetherSharedOrNot) {
    const Value list(Array{Value(Dictionary{{"n", Value(1)}})});
    EXPECT_EQ(list, Value(list));
    EXPECT_EQ(list, Value(Array{Value(Dictionary{{"n", Value(1)}})}));
    EXPECT_FALSE(list == Value(Array{Value(Dictionary{{"n", Value(2)}})}));
}

// The file lists keys in order, as it always did, however they were set.
TEST(DictionaryTest, KeysStayInOrderWhateverOrderTheyAreSetIn) {
    Dictionary dict;
    for (const char* key : {"m", "b", "z", "a", "c"})
        dict.insert_or_assign(key, Value(key));
    EXPECT_EQ(keysOf(dict), (std::vector<std::string>{"a", "b", "c", "m", "z"}));
    EXPECT_EQ(dict.at("m"), Value("m"));
}

TEST(DictionaryTest, SettingAKeyAgainReplacesItsValue) {
    Dictionary dict{{"k", Value(1)}};
    const auto [at, added] = dict.insert_or_assign("k", Value(2));
    EXPECT_FALSE(added);
    EXPECT_EQ(at->second, Value(2));
    EXPECT_EQ(dict.size(), 1u);
}

TEST(DictionaryTest, FromEntriesSortsAndTheLastOfEqualKeysCounts) {
    const Dictionary dict = Dictionary::fromEntries({{"b", Value(1)}, {"a", Value(2)}, {"b", Value(3)}});
    EXPECT_EQ(keysOf(dict), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(dict.at("b"), Value(3));
}

TEST(DictionaryTest, MissingKeysAreNotFound) {
    Dictionary dict{{"b", Value(1)}};
    EXPECT_EQ(dict.find("a"), dict.end());
    EXPECT_EQ(dict.find("c"), dict.end());
    EXPECT_EQ(dict.count("bb"), 0u);
    EXPECT_THROW(dict.at("a"), std::out_of_range);
    EXPECT_EQ(dict.erase("a"), 0u);
    EXPECT_EQ(dict.erase("b"), 1u);
    EXPECT_TRUE(dict.empty());
}

TEST(DictionaryTest, EqualityIgnoresTheOrderEntriesWereSetIn) {
    Dictionary one;
    one.insert_or_assign("a", Value(1));
    one.insert_or_assign("b", Value(2));
    Dictionary two;
    two.insert_or_assign("b", Value(2));
    two.insert_or_assign("a", Value(1));
    EXPECT_EQ(one, two);
    two.insert_or_assign("a", Value(9));
    EXPECT_FALSE(one == two);
}

} // namespace
