// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlPlistWriter.h"
#include "PlistCodec.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

using namespace plist_value;
using namespace std::literals;

namespace {

// The file text written straight from our values is byte for byte what libplist writes from its own tree.
void expectSameAsLibplist(const Dictionary& root) {
    const auto ours = plist_codec::writeXml(root);
    ASSERT_TRUE(ours);
    EXPECT_EQ(*ours, plist_codec::toXmlThroughLibplist(root).text());
}

// One value under a key, in an array, and below the depth where data lines stop indenting further.
Dictionary placedEverywhere(const Value& value) {
    Value deep = value;
    for (int level = 0; level < 10; ++level)
        deep = level % 2 ? Value(Array{deep}) : Value(Dictionary{{"k", deep}});
    return Dictionary{{"at top", value}, {"in array", Value(Array{value, value})}, {"deep", deep}};
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(XmlPlistWriterTest, TrickyValuesAreWrittenAsLibplistWritesThem) {
    std::vector<Value> tricky{Value(Date()), Value(Array{}), Value(Dictionary{}),
                              Value(Dictionary{{"<&> \"'", Value(1)}, {"", Value(2)}})};
    for (std::string_view text :
         {"<a href=\"x\">&amp; 'q' ]]></a>"sv, "\t\r\n\x01\x1f\x7f"sv, "\xff\xfe\xc3 \xe2\x82"sv, "a\0<b\0"sv})
        tricky.emplace_back(std::string(text));
    for (std::int64_t integer :
         {std::numeric_limits<std::int64_t>::max(), std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()})
        tricky.emplace_back(integer);
    for (double real : {-0.0, 0.1, 3.0, -4.9e-324, kNan, -kInf})
        tricky.emplace_back(real);
    // January and February count in the year before in the day arithmetic: a leap day and the first of February.
    // A date that is no time, or out of the file's range, is held at the range's end or at 2001.
    for (double seconds :
         {1709208000.0, 1706745600.0, 978307199.5, 978307200.5, -0.25, 1e12, -1e12, kNan, kInf, -kInf, 1e300})
        tricky.emplace_back(makeDate(seconds));
    for (std::size_t length : {0, 500})
        tricky.emplace_back(Data(length, 0xfb));
    for (std::size_t i = 0; i < std::size(tricky); ++i) {
        SCOPED_TRACE(i);
        expectSameAsLibplist(placedEverywhere(tricky[i]));
    }
    expectSameAsLibplist(Dictionary{});
    EXPECT_NE(plist_codec::writeXml(Dictionary{{"when", Value(makeDate(kNan))}})->find("2001-01-01T00:00:00Z"),
              std::string::npos);
}

// libplist cuts a key at a NUL, so two keys can become one; only its own writer says what that file holds.
TEST(XmlPlistWriterTest, AKeyWithANulIsLeftToLibplist) {
    const Dictionary root{{std::string("a\0b", 3), Value(1)}, {std::string("a\0c", 3), Value(2)}};
    EXPECT_FALSE(plist_codec::writeXml(root));
    EXPECT_EQ(plist_codec::toXml(root).text(), plist_codec::toXmlThroughLibplist(root).text());
}

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
