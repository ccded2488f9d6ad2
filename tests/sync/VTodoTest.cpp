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

} // namespace

// Other clients' statuses count as done only with a completion date, an explicit NEEDS-ACTION never; dates are
// read in their zone, a floating one in UTC, a DATE at its midnight in UTC.
TEST(ReadingATask, TakesCompletionFromStatusAndDatesInTheirZone) {
    for (const auto& [todo, completed, created] : std::vector<std::tuple<std::string, bool, std::optional<double>>>{
             {"STATUS:NEEDS-ACTION\nCREATED:20240301T120000Z", false, march1Noon},
             {"STATUS:IN-PROCESS\nCREATED;TZID=My/Zone:20240301T150000", false, march1Noon},
             {"STATUS:CANCELLED\nCREATED;TZID=Europe/Berlin:20240301T130000", false, march1Noon},
             {"STATUS:COMPLETED\nCREATED:20240301T120000", true, march1Noon},
             {"COMPLETED:20240301T120000Z\nCREATED;VALUE=DATE:20240301", true, march1Noon - 43200},
             {"STATUS:NEEDS-ACTION\nCOMPLETED:20240301T120000Z", false, {}}}) {
        SCOPED_TRACE(todo);
        const auto task = vtodo::read(calendar(todo));
        ASSERT_TRUE(task);
        EXPECT_EQ(std::tie(task->completed, task->createdSince1970), std::tie(completed, created));
    }
}

// Reported with a reason, and replaced by a well-formed task when written over.
TEST(ReadingATask, ReportsMalformedTextThatIsReplacedWhenWrittenOver) {
    for (const std::string& malformed :
         {std::string(), std::string("BEGIN:VCALENDAR\0", 16), std::string("BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:1\n"),
          std::string("BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:1\nEND:VEVENT\nEND:VCALENDAR\n"),
          std::string("BEGIN:VTODO\nUID:1\nEND:VTODO\n"), calendar("CREATED:yesterday"),
          std::string("BEGIN:VCALENDAR\nBEGIN:VTODO\nSUMMARY:x\nEND:VTODO\nEND:VCALENDAR\n")}) {
        SCOPED_TRACE(malformed);
        std::string why;
        EXPECT_FALSE(vtodo::read(malformed, &why));
        EXPECT_FALSE(why.empty());
        const std::string text = vtodo::write({"mine", "Title", true, march1Noon, march1Noon}, malformed);
        const auto task = vtodo::read(text);
        ASSERT_TRUE(task) << text;
        EXPECT_EQ(std::tie(task->uid, task->createdSince1970), std::tuple(std::string("mine"), march1Noon));
        EXPECT_EQ(text.find("X-LIC-ERROR"), std::string::npos) << text;
    }
}

// A new calendar reads back as the task (titles as typed are met below), in lines of at most 75 octets never cut
// inside a character, and folded only where the next character would not fit.
TEST(WritingATask, ANewTaskReadsBackTheSameInLinesOfAtMost75Octets) {
    const std::string longTitle = "é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀é€😀" + std::string(99, 'x');
    for (const std::string& title : {std::string(), longTitle, std::string(61, ',') + longTitle}) {
        const vtodo::Task task{"u-2", title, true, march1Noon, march1Noon + 60};
        const std::string text = vtodo::write(task);
        const auto back = vtodo::read(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(std::tie(back->uid, back->title, back->completed, back->createdSince1970, back->completedSince1970),
                  std::tie(task.uid, task.title, task.completed, task.createdSince1970, task.completedSince1970));
        EXPECT_EQ(linesOf(text, {"VERSION", "PRODID", "DTSTAMP", "LAST-MODIFIED"}).size(), 4u);
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            EXPECT_TRUE(end - start <= 75 && (text[start] != ' ' || (text[start + 1] & 0xc0) != 0x80)) << text;
            if (text[end + 2] == ' ') {
                const auto next = static_cast<unsigned char>(text[end + 3]); // the first character folded over
                const std::size_t octets = next < 0x80 ? 1 : next < 0xe0 ? 2 : next < 0xf0 ? 3 : 4;
                EXPECT_GT(end - start + octets, 75u) << text;
            }
        }
    }
}

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
TEST(WritingATask, ChangesTheStatusOnlyWithTheCompletion) {
    for (const auto& [previous, completed, expected] : std::vector<std::tuple<std::string, bool, Lines>>{
             {"STATUS:IN-PROCESS", false, {"STATUS:IN-PROCESS"}},
             {"STATUS:CANCELLED", false, {"STATUS:CANCELLED"}},
             {"STATUS:COMPLETED\nCOMPLETED:20200101T000000Z", false, {"STATUS:NEEDS-ACTION"}},
             {"COMPLETED;TZID=My/Zone:20200101T000000", true, {"COMPLETED:20240301T120000Z"}}}) {
        const std::string text = vtodo::write({"u-1", "x", completed, {}, march1Noon}, calendar(previous));
        EXPECT_EQ(linesOf(text, {"STATUS", "COMPLETED"}), expected) << previous;
    }
}

// The SUMMARY on the wire for a title (unfolded), and the title read back from it:
// the one typed, but for what TEXT cannot hold. Written again, it gives the same line, and a reader other than
// libical finds the same title in it.
TEST(WritingATask, EscapesTheTitleAsTextThatReadsBackUnchanged) {
    // Each text also goes to a reader other than libical (python3-vobject), which answers the title it finds.
    QProcess reader;
    reader.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"), QStringLiteral("import sys, vobject\nfor line in sys.stdin:\n try: print(vobject."
                                              "readOne(bytes.fromhex(line).decode()).vtodo.summary.value."
                                              "encode().hex())\n except Exception: print('-')")});
    std::vector<std::string> readBacks, titles;
    // Title, line, title read back.
    for (const auto& [title, line, readBack] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"here\\slash \\n literal", "SUMMARY:here\\\\slash \\\\n literal", "here\\slash \\n literal"},
             {"  spaced  ", "SUMMARY:  spaced  ", "  spaced  "},
             {"   ", "SUMMARY:   ", "   "},
             {"Milk, eggs; bread,;", "SUMMARY:Milk\\, eggs\\; bread\\,\\;", "Milk, eggs; bread,;"},
             {"a\r\nb\rc\nd\n", "SUMMARY:a\\nb\\nc\\nd\\n", "a\nb\nc\nd\n"},
             {"C:\\tmp\\", "SUMMARY:C:\\\\tmp\\\\", "C:\\tmp\\"},
             {"<b>bold</b> & \"q\": x", "SUMMARY:<b>bold</b> & \"q\": x", "<b>bold</b> & \"q\": x"},
             {"c\x01\x1b\x7f\td", "SUMMARY:c\td", "c\td"},
             {"bad \xff\xc3 end", "SUMMARY:bad \xef\xbf\xbd\xef\xbf\xbd end", "bad \xef\xbf\xbd\xef\xbf\xbd end"}}) {
        SCOPED_TRACE(title);
        const std::string text = vtodo::write({"u-3", title, false, march1Noon, {}});
        EXPECT_EQ(linesOf(text, {"SUMMARY"}), Lines{line});
        const auto back = vtodo::read(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back->title, readBack);
        EXPECT_EQ(linesOf(vtodo::write(*back, text), {"SUMMARY"}), Lines{line});
        EXPECT_EQ(vtodo::readBack(title), readBack);
        reader.write(QByteArray::fromStdString(text).toHex() + '\n');
        readBacks.push_back(readBack);
    }
    reader.closeWriteChannel();
    reader.waitForFinished();
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            titles.push_back(line == "-" ? "<unreadable>" : QByteArray::fromHex(line).toStdString());
    EXPECT_EQ(titles, readBacks) << "python3-vobject is needed (make deps)";
}

// What other writers send: parameters with quoted colons, both spellings of a line break, a backslash before
// another letter kept, folds with a space or a tab, spaces at either end, a parameter libical garbles. The first task
// of the first calendar is taken; written over, the title reads back the same, in that calendar alone.
TEST(ReadingATask, TakesTheTitleAsTheServerHoldsItAndWritesItBackSo) {
    for (const auto& [todo, title] : std::vector<std::pair<std::string, std::string>>{
             {"SUMMARY;LANGUAGE=de:Milch\\, Brot\\; 1\\\\2\\nEnde", "Milch, Brot; 1\\2\nEnde"},
             {"SUMMARY;X-Q=\"a:b\";LANGUAGE=de: a\\\\nb\\Nc\\,\\;\\x ", " a\\nb\nc,;\\x "},
             {"SUMMARY:Lo\r\n ng \n\t line", "Long  line"},
             {"summary:lower case", "lower case"},
             {"SUMMARY;:LANGUAGE=de:x", "LANGUAGE=de:x"},
             {"BEGIN:VALARM\nSUMMARY:alarm\nEND:VALARM\nSUMMARY:task", "task"}}) {
        const auto task = vtodo::read(calendar(todo) + calendar(""));
        ASSERT_TRUE(task) << todo;
        EXPECT_EQ(std::pair(task->uid, task->title), std::pair(std::string("u-1"), title));
        const std::string written = vtodo::write(*task, calendar(todo) + calendar(""));
        EXPECT_EQ(vtodo::read(written).value_or(vtodo::Task{}).title, title) << written;
        EXPECT_EQ(std::ranges::count(linesOf(written, {"BEGIN"}), "BEGIN:VCALENDAR"), 1) << written;
    }
}
