// SPDX-License-Identifier: GPL-3.0-or-later
#include "VTodo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A calendar as a server could hold it, around the given VTODO lines, with LF or CRLF endings.
std::string calendar(const std::string& todo, const char* newline = "\n") {
    std::string text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VTIMEZONE\nTZID:My/Zone\n"
                       "BEGIN:STANDARD\nDTSTART:19700101T000000\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0300\n"
                       "END:STANDARD\nEND:VTIMEZONE\nBEGIN:VTODO\nUID:u-1\n" +
                       todo + "\nEND:VTODO\nEND:VCALENDAR\n";
    std::string result;
    for (const char c : text)
        result += c == '\n' ? std::string(newline) : std::string(1, c);
    return result;
}

std::vector<std::string> unfoldedLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (text[start] == ' ')
            lines.back() += text.substr(start + 1, end - start - 1);
        else
            lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The lines whose property name is one of the given.
std::vector<std::string> linesOf(const std::string& text, const std::vector<std::string>& names) {
    std::vector<std::string> found;
    for (const std::string& line : unfoldedLines(text))
        if (std::any_of(names.begin(), names.end(), [&](const std::string& name) {
                return line.starts_with(name) && (line[name.size()] == ':' || line[name.size()] == ';');
            }))
            found.push_back(line);
    return found;
}

const std::vector<std::string> owned = {"UID", "SUMMARY", "STATUS", "COMPLETED", "CREATED", "DTSTAMP", "LAST-MODIFIED"};

std::vector<std::string> foreignLines(const std::string& text) {
    std::vector<std::string> lines = unfoldedLines(text);
    std::erase_if(lines, [](const std::string& line) { return !linesOf(line + "\r\n", owned).empty(); });
    return lines;
}

constexpr double march1Noon = 1709294400; // 2024-03-01 12:00 UTC

} // namespace

TEST(ReadingATask, TakesTitleUidAndCompletionFromTheFirstTaskOfTheFirstCalendar) {
    const auto task = vtodo::read(calendar("SUMMARY;LANGUAGE=de:Milch\\, Brot\\; 1\\\\2\\nEnde\nSTATUS:COMPLETED") +
                                  calendar("SUMMARY:second calendar"));
    ASSERT_TRUE(task);
    EXPECT_EQ(task->uid, "u-1");
    EXPECT_EQ(task->title, "Milch, Brot; 1\\2\nEnde");
    EXPECT_TRUE(task->completed);
    const auto lines = unfoldedLines(vtodo::write(*task, calendar("") + calendar("")));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "BEGIN:VCALENDAR"), 1);
}

class CreatedDate : public ::testing::TestWithParam<std::pair<std::string, double>> {};
TEST_P(CreatedDate, IsReadInItsZone) {
    const auto task = vtodo::read(calendar(GetParam().first, "\r\n"));
    ASSERT_TRUE(task);
    EXPECT_EQ(task->createdSince1970, GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(
    Dates, CreatedDate,
    ::testing::Values(std::pair(std::string("CREATED:20240301T120000Z"), march1Noon),
                      std::pair(std::string("CREATED;TZID=My/Zone:20240301T150000"), march1Noon),
                      std::pair(std::string("CREATED;TZID=Europe/Berlin:20240301T130000"), march1Noon),
                      std::pair(std::string("CREATED:20240301T120000"), march1Noon),
                      std::pair(std::string("CREATED;VALUE=DATE:20240301"), march1Noon - 12 * 3600)));

// Other clients' statuses count as done only with a completion date, an explicit NEEDS-ACTION never.
class Completion : public ::testing::TestWithParam<std::pair<std::string, bool>> {};
TEST_P(Completion, FollowsStatusAndCompletionDate) {
    const auto task = vtodo::read(calendar(GetParam().first));
    ASSERT_TRUE(task);
    EXPECT_EQ(task->completed, GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(
    Statuses, Completion,
    ::testing::Values(std::pair(std::string("STATUS:NEEDS-ACTION"), false),
                      std::pair(std::string("STATUS:IN-PROCESS"), false),
                      std::pair(std::string("STATUS:CANCELLED"), false), std::pair(std::string("SUMMARY:x"), false),
                      std::pair(std::string("COMPLETED:20240301T120000Z"), true),
                      std::pair(std::string("STATUS:CANCELLED\nCOMPLETED:20240301T120000Z"), true),
                      std::pair(std::string("STATUS:NEEDS-ACTION\nCOMPLETED:20240301T120000Z"), false)));

class MalformedText : public ::testing::TestWithParam<std::string> {};
TEST_P(MalformedText, IsReportedWithAReason) {
    std::string why;
    EXPECT_FALSE(vtodo::read(GetParam(), &why));
    EXPECT_FALSE(why.empty());
}
TEST_P(MalformedText, IsReplacedByAWellFormedTaskWhenWrittenOver) {
    const std::string text = vtodo::write({"mine", "Title", true, march1Noon, march1Noon}, GetParam());
    const auto task = vtodo::read(text);
    ASSERT_TRUE(task) << text;
    EXPECT_EQ(task->uid, "mine");
    EXPECT_EQ(task->createdSince1970, march1Noon);
    EXPECT_EQ(text.find("X-LIC-ERROR"), std::string::npos) << text;
}
INSTANTIATE_TEST_SUITE_P(Texts, MalformedText,
                         ::testing::Values("", "not a calendar", "BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:1\n",
                                           std::string("BEGIN:VCALENDAR\0", 16),
                                           "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:1\nEND:VEVENT\nEND:VCALENDAR\n",
                                           "BEGIN:VTODO\nUID:1\nEND:VTODO\n", calendar("CREATED:yesterday"),
                                           calendar("STATUS:"), calendar("COMPLETED:2024"),
                                           "BEGIN:VCALENDAR\nBEGIN:VTODO\nSUMMARY:x\nEND:VTODO\nEND:VCALENDAR\n"));

// Whatever the title holds comes back the same, in lines of at most 75 octets never cut inside a character.
class OddTitle : public ::testing::TestWithParam<std::string> {};
TEST_P(OddTitle, ComesBackTheSame) {
    const std::string text = vtodo::write({"u", GetParam(), false, {}, {}});
    const auto task = vtodo::read(text);
    ASSERT_TRUE(task) << text;
    EXPECT_EQ(task->title, GetParam());
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75u) << text;
        EXPECT_FALSE(text[start] == ' ' && (text[start + 1] & 0xc0) == 0x80) << text;
    }
}
INSTANTIATE_TEST_SUITE_P(Titles, OddTitle,
                         ::testing::Values("", "Milk, eggs; bread", "C:\\temp\\new\\", "two\nlines\n",
                                           "\"Call\" Bob: now", "Grüße an 日本 🎉", std::string(200, 'x'), [] {
                                               std::string s;
                                               for (int i = 0; i < 40; ++i)
                                                   s += "é€😀";
                                               return s;
                                           }()));

TEST(WritingATask, DropsControlCharactersAndMakesEveryLineBreakOne) {
    EXPECT_EQ(vtodo::read(vtodo::write({"u", "a\r\nb\rc\x01\td", false, {}, {}}))->title, "a\nb\nc\td");
}

TEST(WritingATask, MakesANewCalendarThatReadsBackAsTheTask) {
    const vtodo::Task task{"u-2", "New", true, march1Noon, march1Noon + 60};
    const std::string text = vtodo::write(task);
    const auto back = vtodo::read(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(std::tie(back->uid, back->title, back->completed, back->createdSince1970, back->completedSince1970),
              std::tie(task.uid, task.title, task.completed, task.createdSince1970, task.completedSince1970));
    EXPECT_EQ(linesOf(text, {"VERSION"}), std::vector<std::string>{"VERSION:2.0"});
    EXPECT_EQ(linesOf(text, {"PRODID"}).size(), 1u);
    EXPECT_EQ(linesOf(text, {"DTSTAMP"}).size(), 1u);
}

TEST(WritingATask, ChangesOnlyTheOwnedPropertiesOfThePreviousText) {
    const std::string server =
        calendar("X-OTHER;X-PARAM=\"a,b\":value\nDESCRIPTION:Long\\, with\\nlines\nDUE;TZID=My/Zone:20240302T090000\n"
                 "PRIORITY:1\nRRULE:FREQ=WEEKLY;BYDAY=MO,TU\nDTSTAMP:20010101T000000Z\nBEGIN:VALARM\nACTION:DISPLAY\n"
                 "TRIGGER:-PT15M\nDESCRIPTION:Soon\nEND:VALARM");
    const std::string previous = vtodo::write({"u-1", "Old", false, march1Noon, {}}, server);
    EXPECT_NE(linesOf(previous, {"DTSTAMP"}), std::vector<std::string>{"DTSTAMP:20010101T000000Z"});
    EXPECT_EQ(linesOf(previous, {"X-OTHER", "DESCRIPTION"}),
              (std::vector<std::string>{"X-OTHER;X-PARAM=\"a,b\":value", "DESCRIPTION:Long\\, with\\nlines",
                                        "DESCRIPTION:Soon"}));

    const std::string text = vtodo::write({"u-1", "New title", true, march1Noon + 99, march1Noon}, previous);
    EXPECT_EQ(foreignLines(text), foreignLines(previous));
    EXPECT_EQ(linesOf(text, {"SUMMARY", "STATUS", "COMPLETED", "CREATED"}),
              (std::vector<std::string>{"SUMMARY:New title", "CREATED:20240301T120000Z", "STATUS:COMPLETED",
                                        "COMPLETED:20240301T120000Z"}));
}

// Another client's IN-PROCESS or CANCELLED stays while the completion does not change.
class StatusOnWrite : public ::testing::TestWithParam<std::tuple<std::string, bool, std::vector<std::string>>> {};
TEST_P(StatusOnWrite, ChangesOnlyWithTheCompletion) {
    const auto& [previous, completed, expected] = GetParam();
    const std::string text = vtodo::write({"u-1", "x", completed, {}, march1Noon}, calendar(previous));
    EXPECT_EQ(linesOf(text, {"STATUS", "COMPLETED"}), expected);
}
using Lines = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusOnWrite,
    ::testing::Values(
        std::tuple(std::string("STATUS:IN-PROCESS"), false, Lines{"STATUS:IN-PROCESS"}),
        std::tuple(std::string("STATUS:CANCELLED"), false, Lines{"STATUS:CANCELLED"}),
        std::tuple(std::string("STATUS:COMPLETED\nCOMPLETED:20200101T000000Z"), false, Lines{"STATUS:NEEDS-ACTION"}),
        std::tuple(std::string("STATUS:NEEDS-ACTION"), true, Lines{"STATUS:COMPLETED", "COMPLETED:20240301T120000Z"}),
        std::tuple(std::string("COMPLETED;TZID=My/Zone:20200101T000000"), true, Lines{"COMPLETED:20240301T120000Z"})));

TEST(NewUid, IsARandomUuid) {
    const std::string uid = vtodo::newUid();
    EXPECT_EQ(uid.size(), 36u);
    EXPECT_EQ(uid[14], '4');
    EXPECT_NE(uid, vtodo::newUid());
}
