// SPDX-License-Identifier: GPL-3.0-or-later
// The icon's count while later starts are answered: held back, then shown once, and never left stale.
#include "HeldStatusItem.h"
#include "MemoryStatusItem.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

TEST(HeldStatusItemTest, AnUnheldTitleShowsAtOnceAndOnesSetWhileHeldShowTheLastOneAfterTheLastRelease) {
    MemoryStatusItem item;
    HeldStatusItem held(item);
    held.setTitle(QStringLiteral("1"));
    EXPECT_EQ(item.title(), QStringLiteral("1"));
    held.hold();
    held.hold();
    held.setTitle(QStringLiteral("2"));
    held.setTitle(QStringLiteral("3"));
    held.release();
    held.release();
    EXPECT_EQ(item.title(), QStringLiteral("1"));
    held.hold(); // the next command, still being answered, does not hold back the title already due
    EXPECT_TRUE(waitUntil([&] { return item.title() == QStringLiteral("3"); }));
}
