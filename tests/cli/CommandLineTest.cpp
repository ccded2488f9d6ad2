// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Verb = Command::Verb;

struct Words {
    const char* name;
    QStringList arguments; // after the program's name
    Verb verb;
    const char* title = "";
    bool all = false;
    bool popover = false;
};

class GoodCommandLineTest : public ::testing::TestWithParam<Words> {};

TEST_P(GoodCommandLineTest, MakesTheCommandAndSurvivesTheTripToTheRunningCopy) {
    const ParsedCommandLine parsed = parseCommandLine(QStringList{"redizado"} + GetParam().arguments);
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.command.verb, GetParam().verb);
    EXPECT_EQ(parsed.command.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(parsed.command.all, GetParam().all);
    EXPECT_EQ(parsed.command.popover, GetParam().popover);
    if (GetParam().verb == Verb::help)
        return;
    QString whyNot;
    const Command back = Command::fromRequest(parsed.command.toRequest(), &whyNot);
    EXPECT_TRUE(whyNot.isEmpty()) << whyNot.toStdString();
    EXPECT_EQ(back.verb, parsed.command.verb);
    EXPECT_EQ(back.title, parsed.command.title);
    EXPECT_EQ(back.all, parsed.command.all);
}

INSTANTIATE_TEST_SUITE_P(
    Words, GoodCommandLineTest,
    ::testing::Values(Words{"Popover", {"--popover"}, Verb::start, "", false, true},
                      Words{"AddQuotedKeepsItsSpaces", {"add", "two  spaces "}, Verb::add, "two  spaces "},
                      Words{"AddDashTitleAfterDoubleDash", {"add", "--", "-5", "degrees"}, Verb::add, "-5 degrees"},
                      Words{"ListAllBefore", {"--all", "list"}, Verb::list, "", true},
                      Words{"HelpWinsOverACommand", {"add", "x", "-h"}, Verb::help}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BadCommandLineTest, IsRefusedWithAMessage) {
    const std::pair<QStringList, const char*> rows[] = {{{"remove", "milk"}, "unknown command \"remove\""},
                                                        {{"add", "", ""}, "needs a title"},
                                                        {{"add", "-5", "degrees"}, "goes after --"},
                                                        {{"count", "--all"}, "--all goes with list only"},
                                                        {{"toggle", "now"}, "takes no further words"}};
    for (const auto& [arguments, saying] : rows) {
        const QString error = parseCommandLine(QStringList{"redizado"} + arguments).error;
        EXPECT_TRUE(error.contains(QString::fromUtf8(saying))) << error.toStdString();
    }
}

// The running copy takes these words from a socket anyone of the user's programs can write to.
TEST(CommandRequestTest, WordsThatAreNoCommandAreRefused) {
    for (const QStringList& request : {QStringList{}, QStringList{"rm"}, QStringList{"add"}, QStringList{"count", "x"},
                                       QStringList{"add", "a", "b"}}) {
        QString whyNot;
        Command::fromRequest(request, &whyNot);
        EXPECT_FALSE(whyNot.isEmpty()) << request.join(QLatin1Char(' ')).toStdString();
    }
}
} // namespace
