// SPDX-License-Identifier: GPL-3.0-or-later
// The file text written straight from our values is byte for byte what libplist writes from its own tree.
#include "XmlPlistWriter.h"
#include "PlistCodec.h"

#include "FileContents.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

using namespace plist_value;

namespace {

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

struct Row {
    const char* name;
    Value value;
};

class TrickyValueTest : public testing::TestWithParam<Row> {};

TEST_P(TrickyValueTest, IsWrittenAsLibplistWritesIt) {
    expectSameAsLibplist(placedEverywhere(GetParam().value));
}

Data bytes(std::size_t n) {
    Data data(n);
    for (std::size_t i = 0; i < n; ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return data;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, TrickyValueTest,
    testing::Values(Row{"Markup", Value("<a href=\"x\">&amp; 'q' ]]></a>")}, Row{"EmptyString", Value("")},
                    Row{"ControlCharacters", Value("\t\r\n\x01\x1f\x7f")},
                    Row{"InvalidUtf8", Value(std::string("\xff\xfe\xc3 \xe2\x82"))},
                    Row{"Nul", Value(std::string("a\0<b\0", 5))}, Row{"Unicode", Value("Zoë — 買い物 🛒")},
                    Row{"Zero", Value(0)}, Row{"Negative", Value(-42)},
                    Row{"Largest", Value(std::numeric_limits<std::int64_t>::max())},
                    Row{"Smallest", Value(std::numeric_limits<std::int64_t>::min())}, Row{"True", Value(true)},
                    Row{"False", Value(false)}, Row{"RealZero", Value(0.0)}, Row{"NegativeZero", Value(-0.0)},
                    Row{"Tenth", Value(0.1)}, Row{"WholeReal", Value(3.0)}, Row{"Huge", Value(1e300)},
                    Row{"Subnormal", Value(-4.9e-324)}, Row{"NotANumber", Value(kNan)}, Row{"Infinity", Value(kInf)},
                    Row{"MinusInfinity", Value(-kInf)}, Row{"NullDate", Value(Date())},
                    Row{"DateOfReference", Value(makeDate(978307200))},
                    Row{"HalfSecondBeforeReference", Value(makeDate(978307199.5))},
                    Row{"FractionBefore1970", Value(makeDate(-0.25))}, Row{"LeapDay", Value(makeDate(951782400))},
                    Row{"DateFarFuture", Value(makeDate(1e12))}, Row{"DateFarPast", Value(makeDate(-1e12))},
                    Row{"EmptyData", Value(Data{})}, Row{"OneByte", Value(bytes(1))},
                    Row{"ManyLines", Value(bytes(500))}, Row{"EmptyArray", Value(Array{})},
                    Row{"EmptyDictionary", Value(Dictionary{})},
                    Row{"MarkupKey", Value(Dictionary{{"<&> \"'", Value(1)}, {"", Value(2)}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlPlistWriterTest, EmptyRootIsWrittenAsLibplistWritesIt) {
    expectSameAsLibplist(Dictionary{});
}

// Trees of every kind of value, nested up to twelve deep, from a fixed seed.
class RandomTree {
public:
    explicit RandomTree(unsigned seed) : m_random(seed) {}

    Dictionary dictionary(int depth) {
        Dictionary::Entries entries;
        for (int n = pick(0, depth > 10 ? 0 : 4); n > 0; --n)
            entries.emplace_back(text(false), value(depth + 1));
        return Dictionary::fromEntries(std::move(entries));
    }

private:
    Value value(int depth) {
        switch (pick(0, depth > 10 ? 6 : 8)) {
        case 0:
            return Value(pick(0, 1) == 1);
        case 1:
            return Value(pick(0, 1) ? std::int64_t(pick(-1000, 1000)) : std::int64_t(m_random()));
        case 2:
            return Value(pick(0, 1) ? std::bit_cast<double>(m_random()) : pick(-5000, 5000) / 8.0);
        case 3:
            return Value(text(true));
        case 4:
            return Value(makeDate(pick(0, 1) ? (pick(-1'000'000, 1'000'000) * 1e4 + pick(0, 7) / 8.0)
                                             : std::uniform_real_distribution<double>(-1e11, 1e11)(m_random)));
        case 5:
            return Value(pick(0, 3) ? bytes(pick(0, 130)) : Data{});
        case 6: {
            Data data(pick(0, 70));
            for (auto& byte : data)
                byte = static_cast<std::uint8_t>(m_random());
            return Value(std::move(data));
        }
        case 7: {
            Array array;
            for (int n = pick(0, 4); n > 0; --n)
                array.push_back(value(depth + 1));
            return Value(std::move(array));
        }
        default:
            return Value(dictionary(depth));
        }
    }

    // Keys without a NUL, which only libplist's own writer takes.
    std::string text(bool withNul) {
        static const std::string pieces[] = {"a",
                                             "Z",
                                             " ",
                                             "<",
                                             ">",
                                             "&",
                                             "&amp;",
                                             "\"",
                                             "\n",
                                             "\r",
                                             "\t",
                                             "\x01",
                                             "\x7f",
                                             "\xff",
                                             "é",
                                             "買",
                                             "🛒",
                                             "]]>",
                                             std::string(1, '\0')};
        std::string s;
        for (int n = pick(0, 8); n > 0; --n)
            s += pieces[pick(0, static_cast<int>(std::size(pieces)) - (withNul ? 1 : 2))];
        return s;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937_64 m_random;
};

TEST(XmlPlistWriterTest, RandomTreesAreWrittenAsLibplistWritesThem) {
    RandomTree trees(20240611);
    for (int i = 0; i < 3000; ++i) {
        const Dictionary root = trees.dictionary(0);
        const auto ours = plist_codec::writeXml(root);
        ASSERT_TRUE(ours) << "tree " << i;
        ASSERT_EQ(*ours, plist_codec::toXmlThroughLibplist(root).text()) << "tree " << i;
    }
}

TEST(XmlPlistWriterTest, EveryCorpusFileIsWrittenAsLibplistWritesIt) {
    for (const auto& entry : std::filesystem::directory_iterator(REDIZADO_FUZZ_CORPUS)) {
        if (const auto values = plist_codec::fromBytes(readFile(entry.path()))) {
            SCOPED_TRACE(entry.path());
            expectSameAsLibplist(*values);
        }
    }
}

// libplist cuts a key at a NUL, so two keys can become one; only its own writer says what that file holds.
TEST(XmlPlistWriterTest, AKeyWithANulIsLeftToLibplist) {
    const Dictionary root{{std::string("a\0b", 3), Value(1)}, {std::string("a\0c", 3), Value(2)}};
    EXPECT_FALSE(plist_codec::writeXml(root));
    EXPECT_EQ(plist_codec::toXml(root).text(), plist_codec::toXmlThroughLibplist(root).text());
}

TEST(XmlPlistWriterTest, ADateThatIsNoTimeIsLeftToLibplist) {
    for (const double odd : {kNan, kInf, -kInf})
        EXPECT_FALSE(plist_codec::writeXml(Dictionary{{"when", Value(makeDate(odd))}})) << odd;
}

} // namespace
