// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemTask.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

using namespace plist_value;

TEST(ItemTask, AnItemAndItsTaskCarryTheSameTitleCheckUidAndDate) {
    const Dictionary item{{keys::jotlingTitle, Value("Milk")},
                          {keys::jotlingCreatedDate, Value(makeDate(1e9))},
                          {keys::jotlingChecked, Value(true)},
                          {vtodo::jotlingSyncUID, Value("u-1")}};
    Dictionary fresh{{"Unknown", Value(7)}};
    vtodo::applyToItem(vtodo::taskOfItem(item), fresh);
    EXPECT_EQ(fresh.erase("Unknown"), 1u);
    EXPECT_EQ(fresh, item);
}

TEST(ItemTask, AppliedToAnItemKeepsItsDateObject) {
    const Date date = makeDate(1e9);
    Dictionary item{{keys::jotlingCreatedDate, Value(date)}};
    vtodo::applyToItem({"u-1", "New", true, 5.0, {}}, item);
    EXPECT_EQ(*item.at(keys::jotlingCreatedDate).get<Date>(), date);
}
