// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>

// A controller that goes away during a post removes its observers, its own or another's: neither is called again.
TEST(NotificationCenter, AnObserverRemovedDuringAPostIsNotCalledAfterwards) {
    NotificationCenter center;
    int calls = 0;
    auto counter = std::make_unique<int>(0);
    NotificationCenter::ObserverId first = 0;
    NotificationCenter::ObserverId second = 0;
    first = center.addObserver("n", nullptr, [&](auto&) {
        ++calls;
        center.removeObserver(first);
        center.removeObserver(second);
        counter.reset();
    });
    second = center.addObserver("n", nullptr, [&](auto&) { ++*counter; });
    center.postNotificationName("n", nullptr);
    center.postNotificationName("n", nullptr);
    EXPECT_EQ(calls, 1);
}
