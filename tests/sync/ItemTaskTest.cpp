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
    const vtodo::Task task = vtodo::taskOfItem(item);
    EXPECT_EQ(std::tie(task.uid, task.title, task.completed, task.createdSince1970),
              std::tuple(std::string("u-1"), std::string("Milk"), true, std::optional<double>(1e9)));

    Dictionary fresh{{"Unknown", Value(7)}};
    vtodo::applyToItem(task, fresh);
    EXPECT_EQ(fresh.at("Unknown"), Value(7));
    fresh.erase("Unknown");
    EXPECT_EQ(fresh, item);
}

TEST(ItemTask, AppliedToAnItemKeepsItsDateObject) {
    const Date date = makeDate(1e9);
    Dictionary item{{keys::jotlingTitle, Value("Old")}, {keys::jotlingCreatedDate, Value(date)}};
    vtodo::applyToItem({"u-1", "New", true, 5.0, {}}, item);
    EXPECT_EQ(*item.at(keys::jotlingCreatedDate).get<Date>(), date);
    EXPECT_EQ(vtodo::taskOfItem(item).title, "New");
}
