// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemCommands.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <gtest/gtest.h>

using namespace plist_value;

namespace {

TEST(ItemCommandsTest, ListsToDoItemsNewestFirstAndAllWithTheirMarksAndAnAddThatCouldNotBeSavedSaysSo) {
    MemoryUserDefaults defaults;
    defaults.setObject(keys::allRedizado, Array{storedItem("newest"), storedItem("done", true), storedItem("oldest")});
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    bool saveFails = false;
    ItemCommands commands(manager, [&saveFails] { return saveFails; });

    EXPECT_EQ(commands.list(false).output, QStringLiteral("newest\noldest\n"));
    EXPECT_EQ(commands.list(true).output, QStringLiteral("[ ] newest\n[x] done\n[ ] oldest\n"));
    EXPECT_EQ(commands.count().output, QStringLiteral("2\n"));

    // An add that could not be saved says so and keeps the item.
    saveFails = true;
    const CommandReply reply = commands.add(QStringLiteral("kept in memory"));
    EXPECT_EQ(reply.exitStatus, 1);
    EXPECT_TRUE(reply.error.contains(QLatin1String("could not be saved")));
    EXPECT_EQ(manager.redizado().size(), 4u);
}

TEST(EscapeTest, EveryTitleIsOneLineThatCannotSteerTheTerminal) {
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("caf\u00e9 \u2615 \U0001F600"), QStringLiteral("caf\u00e9 \u2615 \U0001F600")},
        {QStringLiteral("two\nlines"), QStringLiteral("two\\nlines")},
        {QStringLiteral("\x1b[31mred"), QStringLiteral("\\x1b[31mred")},
        {QStringLiteral("a\u009b2J"), QStringLiteral("a\\u009b2J")},
        {QString(QChar(0)) + QLatin1Char('z'), QStringLiteral("\\x00z")}};
    for (const auto& [title, expected] : rows)
        EXPECT_EQ(escapedForTerminal(title), expected);
}
} // namespace
