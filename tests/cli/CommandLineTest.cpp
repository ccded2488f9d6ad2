// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Verb = Command::Verb;

struct Words {
    const char* name;
    std::vector<const char*> arguments; // after the program's name
    Verb verb;
    const char* title = "";
    bool all = false;
    bool popover = false;
};

ParsedCommandLine parse(const std::vector<const char*>& arguments) {
    QStringList words{QStringLiteral("redizado")};
    for (const char* argument : arguments)
        words << QString::fromUtf8(argument);
    return parseCommandLine(words);
}

class GoodCommandLineTest : public ::testing::TestWithParam<Words> {};

TEST_P(GoodCommandLineTest, MakesTheCommandAndSurvivesTheTripToTheRunningCopy) {
    const ParsedCommandLine parsed = parse(GetParam().arguments);
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.command.verb, GetParam().verb);
    EXPECT_EQ(parsed.command.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(parsed.command.all, GetParam().all);
    EXPECT_EQ(parsed.command.popover, GetParam().popover);

    if (GetParam().verb == Verb::help || GetParam().verb == Verb::version)
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
    ::testing::Values(Words{"Nothing", {}, Verb::start}, Words{"Popover", {"--popover"}, Verb::start, "", false, true},
                      Words{"Toggle", {"toggle"}, Verb::toggle},
                      Words{"AddWordsJoined", {"add", "buy", "milk"}, Verb::add, "buy milk"},
                      Words{"AddQuotedKeepsItsSpaces", {"add", "two  spaces "}, Verb::add, "two  spaces "},
                      Words{"AddBlanksAreATitle", {"add", " "}, Verb::add, " "},
                      Words{"AddDashTitleAfterDoubleDash", {"add", "--", "-5", "degrees"}, Verb::add, "-5 degrees"},
                      Words{"AddUnicodeAndNewline", {"add", "caf\u00e9\nline"}, Verb::add, "caf\u00e9\nline"},
                      Words{"List", {"list"}, Verb::list}, Words{"ListAll", {"list", "--all"}, Verb::list, "", true},
                      Words{"ListAllBefore", {"--all", "list"}, Verb::list, "", true},
                      Words{"Count", {"count"}, Verb::count}, Words{"Help", {"--help"}, Verb::help},
                      Words{"HelpAll", {"--help-all"}, Verb::help},
                      Words{"HelpWinsOverACommand", {"add", "x", "-h"}, Verb::help},
                      Words{"Version", {"--version"}, Verb::version}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadWords {
    const char* name;
    std::vector<const char*> arguments;
    const char* saying; // part of the message
};

class BadCommandLineTest : public ::testing::TestWithParam<BadWords> {};

TEST_P(BadCommandLineTest, IsRefusedWithAMessage) {
    const ParsedCommandLine parsed = parse(GetParam().arguments);
    EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(GetParam().saying))) << parsed.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Words, BadCommandLineTest,
                         ::testing::Values(BadWords{"UnknownCommand", {"remove", "milk"}, "unknown command \"remove\""},
                                           BadWords{"AddWithoutTitle", {"add"}, "needs a title"},
                                           BadWords{"AddOnlyEmptyWords", {"add", "", ""}, "needs a title"},
                                           BadWords{"UnknownOption", {"add", "-5", "degrees"}, "goes after --"},
                                           BadWords{"AllWithoutList", {"count", "--all"}, "--all goes with list only"},
                                           BadWords{"ToggleWithWords", {"toggle", "now"}, "takes no further words"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandRequestTest, WordsThatAreNoCommandAreRefused) {
    for (const QStringList& request :
         {QStringList{}, QStringList{QStringLiteral("rm")}, QStringList{"add"}, QStringList{"list", "--everything"},
          QStringList{"count", "x"}, QStringList{"add", "a", "b"}}) {
        QString whyNot;
        Command::fromRequest(request, &whyNot);
        EXPECT_FALSE(whyNot.isEmpty()) << request.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(DecodeArgumentsTest, InvalidUtf8IsNamedNotPassedOn) {
    const char* argv[] = {"redizado", "add", "caf\xc3\xa9", "bad\xff"};
    QString whyNot;
    const QStringList words = decodeArguments(4, argv, &whyNot);
    EXPECT_EQ(words.value(2), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(whyNot, QStringLiteral("argument 3 is not valid UTF-8"));

    whyNot.clear();
    decodeArguments(3, argv, &whyNot);
    EXPECT_TRUE(whyNot.isEmpty());
}

TEST(HelpTextTest, NamesTheProgramAndEveryCommand) {
    const QString help = parse({"--help"}).helpText;
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: redizado"))) << help.toStdString();
    for (const char* command : {"toggle", "add TITLE", "list [--all]", "count", "--popover"})
        EXPECT_TRUE(help.contains(QLatin1String(command))) << command;
}
} // namespace
