// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

TEST(NotificationCenter, DeliversByNameAndSenderSynchronously) {
    NotificationCenter center;
    int any = 0, fromMine = 0;
    int mine = 0, other = 0;
    center.addObserver("changed", nullptr, [&](auto&) { ++any; });
    center.addObserver("changed", &mine, [&](auto& n) {
        EXPECT_EQ(n.object, &mine);
        ++fromMine;
    });
    center.postNotificationName("changed", &other);
    center.postNotificationName("changed", &mine);
    center.postNotificationName("other", &mine);
    EXPECT_EQ(any, 2);
    EXPECT_EQ(fromMine, 1);
}

TEST(NotificationCenter, ObserverMayRemoveItselfWhileBeingCalled) {
    NotificationCenter center;
    int calls = 0;
    NotificationCenter::ObserverId id = 0;
    id = center.addObserver("n", nullptr, [&](auto&) {
        ++calls;
        center.removeObserver(id);
    });
    center.postNotificationName("n", nullptr);
    center.postNotificationName("n", nullptr);
    EXPECT_EQ(calls, 1);
}
