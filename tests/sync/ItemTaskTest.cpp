// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemTask.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

using namespace plist_value;

// The item keeps its own creation date and whatever else it holds.
TEST(ItemTask, AppliedToAnItemChangesOnlyTitleCheckAndUid) {
    const Date date = makeDate(1e9);
    Dictionary item{{keys::jotlingCreatedDate, Value(date)}, {"Unknown", Value(7)}};
    vtodo::applyToItem({"u-1", "New", true, 5.0, {}}, item);
    EXPECT_EQ(*item.at(keys::jotlingCreatedDate).get<Date>(), date);
    EXPECT_EQ(item.at("Unknown"), Value(7));
    const vtodo::Task task = vtodo::taskOfItem(item);
    EXPECT_EQ(std::tie(task.uid, task.title, task.completed, task.createdSince1970),
              std::tuple(std::string("u-1"), std::string("New"), true, std::optional<double>(1e9)));
}
