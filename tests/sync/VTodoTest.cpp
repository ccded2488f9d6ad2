// SPDX-License-Identifier: GPL-3.0-or-later
#include "VTodo.h"
#include "TextValue.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A calendar as another client could leave it on the server, around the given VTODO lines.
std::string calendar(const std::string& todo) {
    return "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VTIMEZONE\nTZID:My/Zone\nBEGIN:STANDARD\n"
           "DTSTART:19700101T000000\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0300\nEND:STANDARD\nEND:VTIMEZONE\n"
           "BEGIN:VTODO\nUID:u-1\n" +
           todo + "\nEND:VTODO\nEND:VCALENDAR\n";
}

// The unfolded lines of a written text whose property name is (or, with named false, is not) one of the names.
Lines linesOf(const std::string& text, const Lines& names, bool named = true) {
    Lines lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        text[start] == ' ' ? lines.back() += text.substr(start + 1, end - start - 1)
                           : lines.emplace_back(text.substr(start, end - start));
    std::erase_if(lines, [&](const std::string& line) {
        return named != std::any_of(names.begin(), names.end(), [&](const std::string& name) {
                   return line.starts_with(name) && (line[name.size()] == ':' || line[name.size()] == ';');
               });
    });
    return lines;
}

constexpr double march1Noon = 1709294400; // 2024-03-01 12:00 UTC

// The titles that a reader other than libical (python3-vobject) finds in the texts; nothing when it cannot read one.
std::vector<std::optional<std::string>> titlesByAnotherReader(const std::vector<std::string>& texts) {
    QProcess reader;
    reader.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"), QStringLiteral("import sys, vobject\nfor line in sys.stdin:\n try: print(vobject."
                                              "readOne(bytes.fromhex(line).decode()).vtodo.summary.value."
                                              "encode().hex())\n except Exception: print('-')")});
    for (const std::string& text : texts)
        reader.write(QByteArray::fromStdString(text).toHex() + '\n');
    reader.closeWriteChannel();
    reader.waitForFinished();
    std::vector<std::optional<std::string>> titles;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            titles.push_back(line == "-" ? std::nullopt : std::optional(QByteArray::fromHex(line).toStdString()));
    return titles;
}

} // namespace

TEST(ReadingATask, TakesTheFirstTaskOfTheFirstCalendarAndWritesBackThatCalendarAlone) {
    const auto task = vtodo::read(calendar("SUMMARY;LANGUAGE=de:Milch\\, Brot\\; 1\\\\2\\nEnde") + calendar(""));
    ASSERT_TRUE(task);
    EXPECT_EQ(task->uid, "u-1");
    EXPECT_EQ(task->title, "Milch, Brot; 1\\2\nEnde");
    EXPECT_EQ(linesOf(vtodo::write(*task, calendar("") + calendar("")), {"BEGIN"}).size(), 4u);
}

// Other clients' statuses count as done only with a completion date, an explicit NEEDS-ACTION never; dates are
// read in their zone, a floating one in UTC, a DATE at its midnight in UTC.
using ReadRow = std::tuple<std::string, bool, std::optional<double>>;
class TaskFields : public ::testing::TestWithParam<ReadRow> {};
TEST_P(TaskFields, AreReadFromStatusAndDates) {
    const auto task = vtodo::read(calendar(std::get<0>(GetParam())));
    ASSERT_TRUE(task);
    EXPECT_EQ(std::tie(task->completed, task->createdSince1970),
              std::tie(std::get<1>(GetParam()), std::get<2>(GetParam())));
}
INSTANTIATE_TEST_SUITE_P(
    Texts, TaskFields,
    ::testing::Values(ReadRow{"STATUS:NEEDS-ACTION\nCREATED:20240301T120000Z", false, march1Noon},
                      ReadRow{"STATUS:IN-PROCESS\nCREATED;TZID=My/Zone:20240301T150000", false, march1Noon},
                      ReadRow{"STATUS:CANCELLED\nCREATED;TZID=Europe/Berlin:20240301T130000", false, march1Noon},
                      ReadRow{"STATUS:COMPLETED\nCREATED:20240301T120000", true, march1Noon},
                      ReadRow{"COMPLETED:20240301T120000Z\nCREATED;VALUE=DATE:20240301", true, march1Noon - 43200},
                      ReadRow{"STATUS:NEEDS-ACTION\nCOMPLETED:20240301T120000Z", false, {}}));

class MalformedText : public ::testing::TestWithParam<std::string> {};
// Reported with a reason, and replaced by a well-formed task when written over.
TEST_P(MalformedText, IsReportedAndReplacedWhenWrittenOver) {
    std::string why;
    EXPECT_FALSE(vtodo::read(GetParam(), &why));
    EXPECT_FALSE(why.empty());
    const std::string text = vtodo::write({"mine", "Title", true, march1Noon, march1Noon}, GetParam());
    const auto task = vtodo::read(text);
    ASSERT_TRUE(task) << text;
    EXPECT_EQ(std::tie(task->uid, task->createdSince1970), std::tuple(std::string("mine"), march1Noon));
    EXPECT_EQ(text.find("X-LIC-ERROR"), std::string::npos) << text;
}
INSTANTIATE_TEST_SUITE_P(Texts, MalformedText,
                         ::testing::Values("", std::string("BEGIN:VCALENDAR\0", 16),
                                           "BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:1\n",
                                           "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:1\nEND:VEVENT\nEND:VCALENDAR\n",
                                           "BEGIN:VTODO\nUID:1\nEND:VTODO\n", calendar("CREATED:yesterday"),
                                           "BEGIN:VCALENDAR\nBEGIN:VTODO\nSUMMARY:x\nEND:VTODO\nEND:VCALENDAR\n"));

// A new calendar reads back as the task (titles as typed are met below), in lines of at most 75 octets never cut
// inside a character.
class NewTask : public ::testing::TestWithParam<std::string> {};
TEST_P(NewTask, ReadsBackTheSame) {
    const vtodo::Task task{"u-2", GetParam(), true, march1Noon, march1Noon + 60};
    const std::string text = vtodo::write(task);
    const auto back = vtodo::read(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(std::tie(back->uid, back->title, back->completed, back->createdSince1970, back->completedSince1970),
              std::tie(task.uid, task.title, task.completed, task.createdSince1970, task.completedSince1970));
    EXPECT_EQ(linesOf(text, {"VERSION", "PRODID", "DTSTAMP"}).size(), 3u);
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        EXPECT_TRUE(end - start <= 75 && (text[start] != ' ' || (text[start + 1] & 0xc0) != 0x80)) << text;
}
const std::string longTitle = "é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀" + std::string(99, 'x');
INSTANTIATE_TEST_SUITE_P(Titles, NewTask, ::testing::Values("", longTitle, std::string(61, ',') + longTitle));

TEST(WritingATask, LeavesOutADateThatIsNoNumberAndHoldsOthersWithinTheYearsLibicalWrites) {
    const auto task = vtodo::read(vtodo::write({"u", "x", true, std::nan(""), 1e300}));
    ASSERT_TRUE(task);
    EXPECT_EQ(std::tie(task->createdSince1970, task->completedSince1970),
              std::tuple(std::optional<double>(), std::optional<double>(32535215999))); // 3000-12-31 23:59:59
}

TEST(WritingATask, ChangesOnlyTheOwnedPropertiesOfThePreviousText) {
    const std::string server = calendar(
        "X-OTHER;X-PARAM=\"a,b\";ORDER=2:value\nDESCRIPTION:Long\\, with\\nlines\nDUE;TZID=My/Zone:20240302T090000\n"
        "PRIORITY:1\nRRULE:FREQ=WEEKLY;BYDAY=MO,TU\nDTSTAMP:20010101T000000Z\nLAST-MODIFIED:"
        "20010101T000000Z\nBEGIN:VALARM\nACTION:DISPLAY\n"
        "TRIGGER:-PT15M\nDESCRIPTION:Soon\nEND:VALARM");
    const std::string previous = vtodo::write({"u-1", "Old", false, march1Noon, {}}, server);
    EXPECT_EQ(linesOf(previous, {"X-OTHER", "DESCRIPTION"}),
              (Lines{"X-OTHER;X-PARAM=\"a,b\";ORDER=2:value", "DESCRIPTION:Long\\, with\\nlines", "DESCRIPTION:Soon"}));

    const std::string text = vtodo::write({"u-1", "New title", true, march1Noon + 99, march1Noon}, previous);
    const Lines owned{"UID", "SUMMARY", "STATUS", "COMPLETED", "CREATED", "DTSTAMP", "LAST-MODIFIED"};
    EXPECT_EQ(linesOf(text, owned, false), linesOf(previous, owned, false));
    EXPECT_EQ(
        linesOf(text, {"SUMMARY", "STATUS", "COMPLETED", "CREATED"}),
        (Lines{"SUMMARY:New title", "CREATED:20240301T120000Z", "STATUS:COMPLETED", "COMPLETED:20240301T120000Z"}));
}

// Another client's IN-PROCESS or CANCELLED stays while the completion does not change.
using StatusRow = std::tuple<std::string, bool, Lines>;
class StatusOnWrite : public ::testing::TestWithParam<StatusRow> {};
TEST_P(StatusOnWrite, ChangesOnlyWithTheCompletion) {
    const auto& [previous, completed, expected] = GetParam();
    const std::string text = vtodo::write({"u-1", "x", completed, {}, march1Noon}, calendar(previous));
    EXPECT_EQ(linesOf(text, {"STATUS", "COMPLETED"}), expected);
}
INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusOnWrite,
    ::testing::Values(StatusRow{"STATUS:IN-PROCESS", false, {"STATUS:IN-PROCESS"}},
                      StatusRow{"STATUS:CANCELLED", false, {"STATUS:CANCELLED"}},
                      StatusRow{"STATUS:COMPLETED\nCOMPLETED:20200101T000000Z", false, {"STATUS:NEEDS-ACTION"}},
                      StatusRow{"COMPLETED;TZID=My/Zone:20200101T000000", true, {"COMPLETED:20240301T120000Z"}}));

// The SUMMARY on the wire for a title (unfolded), and the title read back from it by us and by another reader:
// the one typed, but for what TEXT cannot hold. Written again, it gives the same line.
struct WireRow {
    const char* name;
    std::string title;
    std::string line;
    std::string readBack;
};
void PrintTo(const WireRow& row, std::ostream* out) {
    *out << row.name;
}
class TitleOnTheWire : public ::testing::TestWithParam<WireRow> {};
TEST_P(TitleOnTheWire, IsEscapedAsTextAndReadBackUnchanged) {
    const WireRow& row = GetParam();
    const std::string text = vtodo::write({"u-3", row.title, false, march1Noon, {}});
    EXPECT_EQ(linesOf(text, {"SUMMARY"}), Lines{row.line});
    const auto back = vtodo::read(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(back->title, row.readBack);
    EXPECT_EQ(linesOf(vtodo::write(*back, text), {"SUMMARY"}), Lines{row.line});
    EXPECT_EQ(vtodo::readBack(row.title), row.readBack);
}
const WireRow wireRows[] = {
    WireRow{"BackslashBeforeN", "here\\slash \\n literal", "SUMMARY:here\\\\slash \\\\n literal",
            "here\\slash \\n literal"},
    WireRow{"SpacesAtBothEnds", "  spaced  ", "SUMMARY:  spaced  ", "  spaced  "},
    WireRow{"OnlySpaces", "   ", "SUMMARY:   ", "   "},
    WireRow{"CommasAndSemicolons", "Milk, eggs; bread,;", "SUMMARY:Milk\\, eggs\\; bread\\,\\;", "Milk, eggs; bread,;"},
    WireRow{"LineBreaks", "a\r\nb\rc\nd\n", "SUMMARY:a\\nb\\nc\\nd\\n", "a\nb\nc\nd\n"},
    WireRow{"TrailingBackslash", "C:\\tmp\\", "SUMMARY:C:\\\\tmp\\\\", "C:\\tmp\\"},
    WireRow{"Markup", "<b>bold</b> & \"q\": x", "SUMMARY:<b>bold</b> & \"q\": x", "<b>bold</b> & \"q\": x"},
    WireRow{"ControlCharacters", "c\x01\x1b\x7f\td", "SUMMARY:c\td", "c\td"},
    WireRow{"NotUtf8", "bad \xff\xc3 end", "SUMMARY:bad \xef\xbf\xbd\xef\xbf\xbd end",
            "bad \xef\xbf\xbd\xef\xbf\xbd end"}};
INSTANTIATE_TEST_SUITE_P(Titles, TitleOnTheWire, ::testing::ValuesIn(wireRows),
                         [](const ::testing::TestParamInfo<WireRow>& info) { return std::string(info.param.name); });

TEST(TitlesOnTheWire, ReadTheSameInAReaderOtherThanLibical) {
    std::vector<std::string> texts;
    for (const WireRow& row : wireRows)
        texts.push_back(vtodo::write({"u-3", row.title, false, march1Noon, {}}));
    const auto titles = titlesByAnotherReader(texts);
    ASSERT_EQ(titles.size(), texts.size()) << "python3-vobject is needed (make deps)";
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(titles[i], wireRows[i].readBack) << texts[i];
}

// What other writers send: parameters with quoted colons, both spellings of a line break, a backslash before
// another letter kept, folds with a space or a tab, spaces at either end, a parameter libical garbles. Written over,
// the title reads back the same.
using ReadTitleRow = std::pair<std::string, std::string>;
class TitleFromAnotherWriter : public ::testing::TestWithParam<ReadTitleRow> {};
TEST_P(TitleFromAnotherWriter, IsReadAsTheServerHoldsIt) {
    const auto task = vtodo::read(calendar(GetParam().first));
    ASSERT_TRUE(task);
    EXPECT_EQ(task->title, GetParam().second);
    const std::string written = vtodo::write(*task, calendar(GetParam().first));
    EXPECT_EQ(vtodo::read(written).value_or(vtodo::Task{}).title, GetParam().second) << written;
}
INSTANTIATE_TEST_SUITE_P(
    Texts, TitleFromAnotherWriter,
    ::testing::Values(ReadTitleRow{"SUMMARY;X-Q=\"a:b\";LANGUAGE=de: a\\\\nb\\Nc\\,\\;\\x ", " a\\nb\nc,;\\x "},
                      ReadTitleRow{"SUMMARY:Lo\r\n ng \n\t line", "Long  line"},
                      ReadTitleRow{"summary:lower case", "lower case"},
                      ReadTitleRow{"SUMMARY;:LANGUAGE=de:x", "LANGUAGE=de:x"},
                      ReadTitleRow{"BEGIN:VALARM\nSUMMARY:alarm\nEND:VALARM\nSUMMARY:task", "task"}));
