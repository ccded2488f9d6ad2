// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>

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

// A controller that goes away during a post (its observer removed by another observer) must not be called.
TEST(NotificationCenter, ObserverRemovedByAnotherDuringAPostIsNotCalled) {
    NotificationCenter center;
    auto counter = std::make_unique<int>(0);
    NotificationCenter::ObserverId second = 0;
    center.addObserver("n", nullptr, [&](auto&) {
        center.removeObserver(second);
        counter.reset();
    });
    second = center.addObserver("n", nullptr, [&](auto&) { ++*counter; });
    center.postNotificationName("n", nullptr);
    EXPECT_EQ(counter, nullptr);
}
