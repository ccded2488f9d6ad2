// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUserDefaults.h"
#include "PlistCodec.h"
#include "PreferencesBackups.h"
#include "TempFolder.h"

#include "FailingFileCalls.h"
#include "FileContents.h"
#include "OpenFiles.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <plist/plist.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <thread>
#include <tuple>

namespace fs = std::filesystem;
using namespace plist_value;
using Reload = FileUserDefaults::Reload;

namespace {

std::string plist(const std::string& body) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + body + "</dict></plist>";
}
std::string withTitles(const std::vector<std::string>& titles) {
    std::string xml = "<key>allRedizado</key><array>";
    for (const auto& title : titles)
        xml += "<dict><key>JotlingTitle</key><string>" + title + "</string></dict>";
    return plist(xml + "</array>");
}
const std::string kValidXml = withTitles({"A"});

std::string repeated(const std::string& part, int times) {
    std::string out;
    while (times-- > 0)
        out += part;
    return out;
}

class FileUserDefaultsTest : public ::testing::Test {
protected:
    std::size_t titlesRead() const {
        return FileUserDefaults(path).objectForKey("allRedizado").value_or(Value(Array{})).get<Array>()->size();
    }
    // Anything beside the file, its last copy and its backups is a temporary file left behind.
    int strayFiles() const {
        const std::set<fs::path> expected{"defaults.plist", "defaults.plist.bak", "backups"};
        int n = 0;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path()))
            n += !expected.contains(e.path().filename());
        return n;
    }

    TempFolder temp;
    std::string path = temp.path() + "/redizado/defaults.plist";
};

// Keys this program does not know, of every type, come back as they were; a save in the background is on disk once
// the store is gone.
TEST_F(FileUserDefaultsTest, EveryValueTypeSurvivesARoundTripInAFilePrivateToTheUser) {
    const std::vector<std::pair<std::string, Value>> values{
        {"big", Value(std::int64_t{9'000'000'000'000'000'000LL})},
        {"real", Value(2.5)},
        {"text", Value("<b>not markup</b> & \"quotes\" \u2014 \u00e9")},
        {"date", Value(makeDate(1'700'000'000))},
        {"data", Value(Data{0, 1, 255})},
        {"list", Value(Array{Value("milk"), Value(Dictionary{{"inner", Array{Value(true)}}})})}};
    {
        FileUserDefaults defaults(path);
        defaults.setSavesInBackground([] {});
        for (const auto& [key, value] : values)
            defaults.setObject(key, value);
        ASSERT_TRUE(defaults.synchronize());
    }
    FileUserDefaults reloaded(path);
    for (const auto& [key, value] : values)
        EXPECT_EQ(*reloaded.objectForKey(key), value) << key;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(strayFiles(), 0);
}

// Kept with the user's other dotfiles, the file is often a relative link into their folder: the link stays, and the
// file it names is the one saved.
TEST_F(FileUserDefaultsTest, AFileThatIsALinkStaysALinkAndWhatItNamesIsSaved) {
    const std::string target = temp.path() + "/dotfiles/redizado.plist";
    writeFile(target, kValidXml);
    fs::create_directories(fs::path(path).parent_path());
    fs::create_symlink("../dotfiles/redizado.plist", path);
    FileUserDefaults defaults(path);
    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(FileUserDefaults(target).boolForKey("flag"));
    EXPECT_EQ(titlesRead(), 1u);
}

TEST_F(FileUserDefaultsTest, EachSaveKeepsTheReplacedFileAndADailyCopyOfTheLastSevenDays) {
    PreferencesBackups backups(path);
    for (int day = 1; day <= 9; ++day)
        writeFile(backups.folder() + "/defaults-2020-01-0" + std::to_string(day) + ".plist", "old");
    FileUserDefaults defaults(path);
    testing::internal::CaptureStderr();
    std::vector<qsizetype> openAfterEach;
    for (const char* title : {"first", "second", "third"}) {
        defaults.setObject("title", title);
        ASSERT_TRUE(defaults.synchronize());
        openAfterEach.push_back(openFileCount());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("could not"), std::string::npos);
    // Saved at every change for as long as the program runs, so a save keeps nothing open.
    EXPECT_EQ(openAfterEach.front(), openAfterEach.back());
    EXPECT_EQ(*FileUserDefaults(backups.bakPath()).objectForKey("title"), Value("second"));

    // The day's copy is the first version the program replaced that day; the oldest days go.
    const std::set<fs::path> daily(fs::directory_iterator(backups.folder()), fs::directory_iterator());
    ASSERT_EQ(daily.size(), 7u);
    EXPECT_EQ(daily.begin()->filename(), "defaults-2020-01-04.plist");
    EXPECT_EQ(*FileUserDefaults(*daily.rbegin()).objectForKey("title"), Value("first"));
}

// Kept aside rather than overwritten: the user may still get the items back by hand. Cut off by a crash, and nested
// deeper than a parser's stack would survive.
TEST_F(FileUserDefaultsTest, AnUnreadableFileIsKeptAsideAndNeverOverwritten) {
    for (const std::string& text :
         {kValidXml.substr(0, kValidXml.size() / 2),
          plist("<key>a</key>" + repeated("<array>", 100000) + repeated("</array>", 100000))}) {
        SCOPED_TRACE(text.substr(0, 80));
        writeFile(path, text);
        FileUserDefaults defaults(path);
        EXPECT_FALSE(defaults.objectForKey("allRedizado"));
        defaults.setBool("flag", true);
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(readFile(defaults.setAsidePath()), text);
        EXPECT_TRUE(FileUserDefaults(path).boolForKey("flag"));
    }
}

// A relative XDG_CONFIG_HOME is to be ignored.
TEST(FileUserDefaultsPath, FollowsXdgConfigHomeOrElseHome) {
    ScopedEnvironment home("HOME", "/home/someone");
    std::optional<ScopedEnvironment> config(std::in_place, "XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(FileUserDefaults::defaultPath(), "/home/someone/.config/redizado/defaults.plist");
    config.emplace("XDG_CONFIG_HOME", "/elsewhere");
    EXPECT_EQ(FileUserDefaults::defaultPath(), "/elsewhere/redizado/defaults.plist");
}

// Such titles do not stop the lists from being left for later at start.
TEST_F(FileUserDefaultsTest, AHundredMegabyteFileAndTitlesWithInvalidUtf8OrControlCharactersLoseNoItem) {
    writeFile(path, withTitles(std::vector<std::string>(100, std::string(1 << 20, 'x'))));
    EXPECT_EQ(titlesRead(), 100u);
    writeFile(path, withTitles({"bad \xff\xfe bytes", "tab\tand&#1;control", "fine"}));
    EXPECT_TRUE(FileUserDefaults(path).arraysPending());
    EXPECT_EQ(titlesRead(), 3u);
}

// The preferences file changed by someone else while it is open.
class ReloadTest : public FileUserDefaultsTest {
protected:
    void SetUp() override {
        defaults.setObject("title", "ours");
        ASSERT_TRUE(defaults.synchronize());
    }
    // As an editor saves: a new file renamed over the old one.
    void replaceFile(const std::string& contents) {
        writeFile(path + ".editor", contents);
        fs::rename(path + ".editor", path);
    }
    static std::string titled(const std::string& text) {
        return plist("<key>title</key><string>" + text + "</string>");
    }
    std::string title() const { return *defaults.objectForKey("title")->get<std::string>(); }

    FileUserDefaults defaults{path};
};

TEST_F(ReloadTest, AFileReplacedWrittenInPlaceOrRemovedIsFollowed) {
    replaceFile(titled("restored from a backup"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::reloaded);
    EXPECT_EQ(title(), "restored from a backup");
    writeFile(path, titled("edited by hand"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::reloaded);
    EXPECT_EQ(title(), "edited by hand");

    // Removed, the items stay in memory and the next change writes the file again.
    fs::remove(path);
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::missing);
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::unchanged) << "told once";
    EXPECT_EQ(title(), "edited by hand");
    defaults.setObject("title", "again");
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("again"));

    // Reading leaves no file open: a copy that reloads all day long must still be able to save.
    const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openFiles();
    for (int edit = 0; edit < 20; ++edit) {
        writeFile(path, titled("edit " + std::to_string(edit)));
        EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::reloaded);
    }
    EXPECT_LT(openFiles(), before + 5);
}

TEST_F(ReloadTest, AHalfWrittenFileIsLeftAloneAndAChangeMeanwhileIsSavedWithTheirsKeptBeside) {
    const std::string half = titled("theirs").substr(0, 50);
    writeFile(path, half);
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::unreadable);
    EXPECT_EQ(title(), "ours");

    defaults.setObject("title", "changed meanwhile");
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_TRUE(defaults.saveFailing());
    EXPECT_EQ(readFile(path), half);

    writeFile(path, titled("theirs"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::keptOurs);
    EXPECT_FALSE(defaults.saveFailing());
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("changed meanwhile"));
    EXPECT_EQ(readFile(defaults.keptElsewherePath()), titled("theirs"));
}

// A save that never says it ended fails the test rather than hanging it.
bool toldWithin(const std::atomic<int>& ended, int n) {
    for (int waited = 0; ended < n && waited < 10000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return ended >= n;
}

// Saves written by their own thread, as the tray program has them; the test plays its event loop.
class BackgroundSaveTest : public ReloadTest {
protected:
    void SetUp() override {
        ReloadTest::SetUp();
        defaults.setSavesInBackground([this] { ++ended; });
    }
    // A save a failed check left running is written before the counter goes.
    void TearDown() override { defaults.setSavesInBackground(nullptr); }
    // Waits until the nth save has said it ended, then does what the event loop does when told.
    void endOfSave(int n) {
        ASSERT_TRUE(toldWithin(ended, n));
        defaults.saveEnded();
    }
    std::atomic<int> ended = 0;
};

TEST_F(BackgroundSaveTest, ChangesMadeWhileASaveIsWrittenGoToDiskWithTheNextAndOursIsNotTakenForSomeoneElses) {
    for (int i = 0; i < 20; ++i) {
        defaults.setObject("title", "change " + std::to_string(i));
        EXPECT_TRUE(defaults.synchronize());
    }
    ASSERT_NO_FATAL_FAILURE(endOfSave(1));
    // The file watcher's word about the second save comes before the event loop hears it ended.
    ASSERT_TRUE(toldWithin(ended, 2));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::unchanged);
    EXPECT_EQ(strayFiles(), 0);
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("change 19"));
    defaults.saveEnded();

    // A change after the save was handed over is still unsaved when it ends: another program's file does not
    // replace it. A list changed meanwhile is written as it was when handed over.
    defaults.setObject("list", Array{Value("a")});
    defaults.setObject("title", "handed over");
    defaults.synchronize();
    Value list = *defaults.objectForKey("list");
    list.get<Array>()->push_back(Value("b"));
    defaults.setObject("list", list);
    defaults.setObject("title", "not saved yet");
    ASSERT_NO_FATAL_FAILURE(endOfSave(3));
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("list"), Value(Array{Value("a")}));
    replaceFile(titled("theirs"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::keptOurs);
    defaults.finishSaves();
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("not saved yet"));
}

// A save failing in the background is told once it has ended, on the owner's thread rather than the writer's.
TEST_F(FileUserDefaultsTest, AFailedSaveIsToldAndLeavesTheOldFileIntactAndTheValueInMemory) {
    for (const auto& [step, error, background] :
         {std::tuple{FileStep::write, ENOSPC, false}, std::tuple{FileStep::rename, EACCES, false},
          std::tuple{FileStep::write, ENOSPC, true}}) {
        SCOPED_TRACE(testing::Message() << int(step) << (background ? " in the background" : ""));
        writeFile(path, kValidXml);
        std::atomic<int> ended = 0;
        int told = 0;
        FileUserDefaults defaults(path, failingAt(step, error));
        defaults.setSaveProblemHandler([&told](const std::string&) { ++told; });
        if (background)
            defaults.setSavesInBackground([&ended] { ++ended; });
        defaults.setObject("title", "new");
        EXPECT_EQ(defaults.synchronize(), background);
        if (background) {
            ASSERT_TRUE(toldWithin(ended, 1));
            EXPECT_EQ(told, 0);
            defaults.saveEnded();
        }
        EXPECT_EQ(told, 1);
        EXPECT_TRUE(defaults.saveFailing());
        EXPECT_EQ(readFile(path), kValidXml);
        EXPECT_EQ(*defaults.objectForKey("title"), Value("new"));
        EXPECT_EQ(strayFiles(), 0);
    }
}

// At the process's limit no thread can be had for a save: it is written here instead, not taken as on its way.
TEST_F(FileUserDefaultsTest, ASaveWithNoThreadToBeHadIsWrittenHere) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's own thread bookkeeping needs the room taken away here";
#endif
    // In a process started afresh: the stack of a thread an earlier test joined would be reused without new room.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            FileUserDefaults defaults(path);
            defaults.setSavesInBackground([] {});
            defaults.setObject("title", "no thread");
            pthread_attr_t attributes;
            std::size_t stack = 0;
            pthread_getattr_default_np(&attributes);
            pthread_attr_getstacksize(&attributes, &stack);
            std::size_t pages = 0;
            std::ifstream("/proc/self/statm") >> pages;
            // Half a thread's stack more than now: room for the save, none for the thread.
            rlimit before{};
            getrlimit(RLIMIT_AS, &before);
            rlimit tight = before;
            tight.rlim_cur = pages * sysconf(_SC_PAGESIZE) + stack / 2;
            setrlimit(RLIMIT_AS, &tight);
            const bool saved = defaults.synchronize();
            setrlimit(RLIMIT_AS, &before);
            const bool written = FileUserDefaults(path).objectForKey("title") == Value("no thread");
            std::fprintf(stderr, "saved %d, still saving %d, on disk %d\n", saved, defaults.saving(), written);
            std::_Exit(saved && !defaults.saving() && written ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// The settings are read at start without the item lists; what is read then and later is what one whole read gives.
void expectSameAsWholeRead(const std::string& path, const std::string& text, std::optional<bool> split,
                           bool parsedInBackground = false) {
    const auto whole = plist_codec::fromBytes(text);
    ASSERT_TRUE(whole);
    writeFile(path, text);
    FileUserDefaults defaults(path);
    // Without a split to expect: reading the settings leaves the lists as pending as they were.
    const bool pending = split.value_or(defaults.arraysPending());
    EXPECT_EQ(defaults.arraysPending(), pending);
    for (const auto& [key, value] : *whole) {
        if (!value.get<Array>()) {
            EXPECT_EQ(defaults.objectForKey(key), value) << key.str();
        }
    }
    EXPECT_EQ(defaults.arraysPending(), pending) << "a setting was read with the lists";
    if (parsedInBackground)
        defaults.parseArraysInBackground();
    for (const auto& [key, value] : *whole)
        EXPECT_EQ(defaults.objectForKey(key), value) << key.str();
    EXPECT_FALSE(defaults.arraysPending());
}

std::string binaryOf(const std::string& xml) {
    plist_t node = nullptr;
    plist_from_xml(xml.data(), uint32_t(xml.size()), &node);
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(node, &bytes, &length);
    plist_free(node);
    std::string binary(bytes, length);
    std::free(bytes);
    return binary;
}

const std::string kTricky =
    plist("<key>ShowToDoCount</key><true/><!-- <key>toDoCountKey</key></array></dict> -->"
          "<key>allRedizado</key><!-- <array> --><array><!-- </array> --><dict><key>JotlingTitle</key>"
          "<string><![CDATA[</array></dict><key>toDoCountKey</key><integer>9</integer>]]></string></dict>"
          "<array><array/><string>nested</string></array></array><key>toDoCountKey</key><integer>2</integer>"
          "<key>nested</key><dict><key>inner</key><array><integer>1</integer></array></dict>"
          "<key>none</key><array/><key>all &amp; more</key><array><true/></array>");

// Each file and whether its lists are left for later; then every readable file of the fuzzing corpus.
TEST_F(FileUserDefaultsTest, EveryFileReadInTwoStepsGivesWhatAWholeReadGives) {
    const std::tuple<const char*, std::string, bool> files[] = {
        {"markup in the lists", kTricky, true},
        {"attribute with a bracket",
         "<?xml version=\"1.0\"?><plist version=\"1>0\"><dict><key>a</key><array><true/></array><key>b</key>"
         "<string>&lt;x&gt;</string></dict></plist>",
         true},
        {"own entities",
         "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY e \"x\">]>" + kValidXml.substr(kValidXml.find("<plist")),
         false},
        {"binary", binaryOf(kTricky), false}};
    for (const auto& [name, text, split] : files) {
        for (const bool parsedInBackground : {false, true}) {
            SCOPED_TRACE(std::string(name) + (parsedInBackground ? ", parsed in the background" : ""));
            expectSameAsWholeRead(path, text, split, parsedInBackground);
        }
    }
    for (const auto& entry : fs::directory_iterator(REDIZADO_FUZZ_CORPUS)) {
        const std::string text = readFile(entry.path());
        SCOPED_TRACE(entry.path());
        if (plist_codec::fromBytes(text))
            expectSameAsWholeRead(path, text, std::nullopt);
    }
}

// Whatever reads the lists first: a hand edit that broke them is kept aside before anything is written.
TEST_F(FileUserDefaultsTest, AnUnreadableListIsReportedThenAndKeptAsideWithTheSettingsKept) {
    const std::string text = plist("<key>ShowToDoCount</key><true/><key>allRedizado</key><array><dict>"
                                   "<key>JotlingTitle</key><string>milk & eggs</string></dict></array>");
    const std::pair<const char*, std::function<void(FileUserDefaults&)>> readers[] = {
        {"readArrays", [](FileUserDefaults& d) { d.readArrays(); }},
        {"synchronize", [](FileUserDefaults& d) { d.synchronize(); }},
        {"setObject", [](FileUserDefaults& d) { d.setObject("allRedizado", Array{}); }},
        {"objectForKey", [](FileUserDefaults& d) { d.objectForKey("allRedizado"); }},
        // Replaced by another program meanwhile: the version read is kept, from memory.
        {"readArrays of a replaced file", [](FileUserDefaults& d) {
             d.parseArraysInBackground();
             writeFile(d.path() + ".new", kValidXml);
             fs::rename(d.path() + ".new", d.path());
             d.readArrays();
         }}};
    for (const auto& [name, read] : readers) {
        SCOPED_TRACE(name);
        writeFile(path, text);
        FileUserDefaults defaults(path);
        EXPECT_TRUE(defaults.boolForKey("ShowToDoCount"));
        EXPECT_EQ(defaults.setAsidePath(), "");

        testing::internal::CaptureStderr();
        read(defaults);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("is unreadable"), std::string::npos);
        EXPECT_EQ(readFile(defaults.setAsidePath()), text);

        defaults.setBool("flag", true);
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(readFile(defaults.setAsidePath()), text);
        const FileUserDefaults saved(path);
        EXPECT_TRUE(saved.boolForKey("ShowToDoCount"));
        EXPECT_TRUE(saved.boolForKey("flag"));
    }
}

} // namespace
