// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemCommands.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"

#include "StoredItems.h"

#include <gtest/gtest.h>

#include <string>

using namespace plist_value;

namespace {

class ItemCommandsTest : public ::testing::Test {
protected:
    void load(Array items) {
        defaults.setObject(keys::allRedizado, Value(std::move(items)));
        manager = std::make_unique<JLJotlingManager>(defaults, center);
        commands = std::make_unique<ItemCommands>(*manager, [this] { return saveFails; });
        posts = 0;
    }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    int posts = 0;
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) { ++posts; });
    bool saveFails = false;
    std::unique_ptr<JLJotlingManager> manager;
    std::unique_ptr<ItemCommands> commands;
};

TEST_F(ItemCommandsTest, ListsToDoItemsNewestFirstAndAllWithTheirMarks) {
    load({storedItem("newest", false), storedItem("done", true), storedItem("oldest", false)});

    const CommandReply todo = commands->list(false);
    EXPECT_EQ(todo.exitStatus, 0);
    EXPECT_EQ(todo.output, QStringLiteral("newest\noldest\n"));
    EXPECT_EQ(commands->list(true).output, QStringLiteral("[ ] newest\n[x] done\n[ ] oldest\n"));
    EXPECT_EQ(commands->count().output, QStringLiteral("2\n"));
}

TEST_F(ItemCommandsTest, AnEmptyTitleIsRefusedAndNothingIsWritten) {
    load({storedItem("older", false)});
    defaults.resetCounts();
    EXPECT_EQ(commands->add(QString()).exitStatus, 2);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
    EXPECT_EQ(posts, 0);
}

TEST_F(ItemCommandsTest, AddGoesThroughTheManagerAsTypingItDoes) {
    load({storedItem("older", false)});
    EXPECT_EQ(commands->add(QStringLiteral("caf\u00e9 \u2615")).exitStatus, 0);
    EXPECT_EQ(storedTitles(defaults), (std::vector<std::string>{"caf\u00e9 \u2615", "older"}));
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 2);
    EXPECT_EQ(posts, 1);
}

TEST_F(ItemCommandsTest, AnAddThatCouldNotBeSavedSaysSoAndKeepsTheItem) {
    load({});
    saveFails = true;
    const CommandReply reply = commands->add(QStringLiteral("kept in memory"));
    EXPECT_EQ(reply.exitStatus, 1);
    EXPECT_TRUE(reply.error.contains(QLatin1String("could not be saved")));
    EXPECT_EQ(manager->redizado().size(), 1u);
}

struct Escape {
    const char* name;
    QString title;
    QString printed;
};

class EscapeTest : public ::testing::TestWithParam<Escape> {};

TEST_P(EscapeTest, EveryTitleIsOneLineThatCannotSteerTheTerminal) {
    const QString printed = escapedForTerminal(GetParam().title);
    EXPECT_EQ(printed, GetParam().printed);
    for (const QChar c : printed)
        EXPECT_NE(c.category(), QChar::Other_Control) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, EscapeTest,
    ::testing::Values(Escape{"Plain", QStringLiteral("buy milk"), QStringLiteral("buy milk")},
                      Escape{"Unicode", QStringLiteral("caf\u00e9 \u2615 \U0001F600"),
                             QStringLiteral("caf\u00e9 \u2615 \U0001F600")},
                      Escape{"Newline", QStringLiteral("two\nlines"), QStringLiteral("two\\nlines")},
                      Escape{"TabAndReturn", QStringLiteral("a\tb\r"), QStringLiteral("a\\tb\\r")},
                      Escape{"Backslash", QStringLiteral("C:\\n"), QStringLiteral("C:\\\\n")},
                      Escape{"TerminalEscape", QStringLiteral("\x1b[31mred"), QStringLiteral("\\x1b[31mred")},
                      Escape{"Delete", QStringLiteral("a\x7f"), QStringLiteral("a\\x7f")},
                      Escape{"C1Escape", QStringLiteral("a\u009b2J"), QStringLiteral("a\\u009b2J")},
                      Escape{"Nul", QString(QChar(0)) + QLatin1Char('z'), QStringLiteral("\\x00z")}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
