// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLJotling.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

using namespace plist_value;

TEST(JLJotling, NewItemIsUncheckedAndCreatedNow) {
    const double before = now()->secondsSince1970;
    JLJotling item("milk");
    const double after = now()->secondsSince1970;

    EXPECT_EQ(item.title(), "milk");
    EXPECT_FALSE(item.completed());
    ASSERT_TRUE(item.dateCreated());
    EXPECT_GE(item.dateCreated()->secondsSince1970, before);
    EXPECT_LE(item.dateCreated()->secondsSince1970, after);
}

TEST(JLJotling, StoredDictionaryIsCopiedAndKeepsUnknownKeys) {
    const Dictionary stored{{keys::jotlingTitle, "A"}, {keys::jotlingCreatedDate, makeDate(10)}, {"colour", "red"}};
    JLJotling item(stored);

    EXPECT_FALSE(item.completed()); // no flag reads as unchecked
    item.setCompleted(true);
    item.setTitle("B");

    EXPECT_EQ(stored.at(keys::jotlingTitle), Value("A"));
    EXPECT_EQ(stored.count(keys::jotlingChecked), 0u);
    EXPECT_EQ(item.dictionary()->at("colour"), Value("red"));
    EXPECT_EQ(item.dictionary()->at(keys::jotlingChecked), Value(true));
    EXPECT_EQ(item.title(), "B");
}

TEST(JLJotling, DatesAreSharedFromTheSameDictionaryButFreshForEachNewItem) {
    const Dictionary stored{{keys::jotlingTitle, "A"}, {keys::jotlingCreatedDate, makeDate(10)}};
    JLJotling first(stored), second(stored);
    EXPECT_EQ(first.dateCreated(), second.dateCreated());

    const Date when = makeDate(42);
    JLJotling third("x", when, false), fourth("x", makeDate(42), false);
    EXPECT_EQ(third.dateCreated(), when);
    EXPECT_NE(third.dateCreated(), fourth.dateCreated());
}

TEST(JLJotling, EmptyTitleIsKeptAndWrongTypesReadAsNothing) {
    JLJotling item("x");
    item.setTitle("");
    EXPECT_EQ(item.title(), "");

    JLJotling odd(Dictionary{{keys::jotlingTitle, std::int64_t{5}}, {keys::jotlingCreatedDate, "yesterday"}});
    EXPECT_EQ(odd.title(), std::nullopt);
    EXPECT_EQ(odd.dateCreated(), nullptr);

    JLJotling none;
    none.setTitle("ignored");
    none.setCompleted(true);
    EXPECT_EQ(none.title(), std::nullopt);
    EXPECT_FALSE(none.completed());
    EXPECT_EQ(none.dictionary(), nullptr);
}
