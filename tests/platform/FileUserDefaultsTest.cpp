// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUserDefaults.h"
#include "PreferencesBackups.h"
#include "TempFolder.h"

#include "FailingFileCalls.h"
#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace plist_value;

namespace {

std::string withTitles(const std::vector<std::string>& titles) {
    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>allRedizado</key><array>";
    for (const auto& title : titles)
        xml += "<dict><key>JotlingTitle</key><string>" + title + "</string></dict>";
    return xml + "</array></dict></plist>";
}
const std::string kValidXml = withTitles({"A"});

class FileUserDefaultsTest : public ::testing::Test {
protected:
    void writeFile(const std::string& contents) { ::writeFile(path, contents); }
    std::vector<std::string> asideFiles() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path()))
            if (e.path().filename().string().starts_with("defaults.plist.unreadable-"))
                out.push_back(e.path().string());
        return out;
    }

    // Files beside the preferences that are neither the file, its backups nor a kept-aside file.
    int strayFiles() const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
            const std::string name = e.path().filename().string();
            n += name != "defaults.plist" && name != "defaults.plist.bak" && name != "backups";
        }
        return n;
    }

    // The preferences as a link into a folder of dotfiles; the link's target.
    std::string linkToDotfiles(const std::string& contents) {
        const std::string target = folder + "/dotfiles/defaults.plist";
        ::writeFile(target, contents);
        fs::create_directories(fs::path(path).parent_path());
        fs::create_symlink(target, path);
        return target;
    }

    TempFolder temp;
    std::string folder = temp.path();
    std::string path = folder + "/redizado/defaults.plist";
};

TEST_F(FileUserDefaultsTest, EveryValueTypeSurvivesARoundTrip) {
    const Dictionary nested{{"inner", Array{Value(true), Value(std::int64_t{-3})}}};
    const Array list{Value("milk \u2014 \u00e9\u23B5"), Value(nested)};
    {
        FileUserDefaults defaults(path);
        defaults.setBool("flag", true);
        defaults.setInteger("big", 9'000'000'000'000'000'000LL);
        defaults.setInteger("negative", -42);
        defaults.setObject("real", 2.5);
        defaults.setObject("text", "<b>not markup</b> & \"quotes\"\ttab");
        defaults.setObject("date", makeDate(1'700'000'000));
        defaults.setObject("data", Data{0, 1, 255});
        defaults.setObject("list", list);
        defaults.setObject("nul", std::string("before\0after", 12));
        ASSERT_TRUE(defaults.synchronize());
    }
    FileUserDefaults reloaded(path);
    EXPECT_TRUE(reloaded.boolForKey("flag"));
    EXPECT_EQ(reloaded.integerForKey("big"), 9'000'000'000'000'000'000LL);
    EXPECT_EQ(reloaded.integerForKey("negative"), -42);
    EXPECT_EQ(*reloaded.objectForKey("real"), Value(2.5));
    EXPECT_EQ(*reloaded.objectForKey("text"), Value("<b>not markup</b> & \"quotes\"\ttab"));
    EXPECT_EQ(*reloaded.objectForKey("date"), Value(makeDate(1'700'000'000)));
    EXPECT_EQ(*reloaded.objectForKey("data"), Value(Data{0, 1, 255}));
    EXPECT_EQ(*reloaded.objectForKey("list"), Value(list));
    EXPECT_EQ(*reloaded.objectForKey("nul"), Value("before\uFFFDafter"));
    EXPECT_FALSE(reloaded.objectForKey("missing"));
    EXPECT_EQ(reloaded.setAsidePath(), "");
}

TEST_F(FileUserDefaultsTest, FileIsPrivateToTheUser) {
    FileUserDefaults defaults(path);
    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // No temporary file is left behind.
    EXPECT_EQ(strayFiles(), 0);
}

TEST_F(FileUserDefaultsTest, EachSaveKeepsTheReplacedFileAndADailyCopyToRestoreFrom) {
    FileUserDefaults defaults(path);
    defaults.setObject("title", "first");
    ASSERT_TRUE(defaults.synchronize());
    defaults.setObject("title", "second");
    ASSERT_TRUE(defaults.synchronize());
    defaults.setObject("title", "third");
    ASSERT_TRUE(defaults.synchronize());

    const std::string current = readFile(path);
    PreferencesBackups backups(path);
    fs::copy_file(backups.bakPath(), path, fs::copy_options::overwrite_existing);
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("second"));

    // The day's copy is the first version the program replaced that day.
    std::vector<fs::path> daily(fs::directory_iterator(backups.folder()), fs::directory_iterator());
    ASSERT_EQ(daily.size(), 1u);
    fs::copy_file(daily[0], path, fs::copy_options::overwrite_existing);
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("first"));
    EXPECT_NE(readFile(path), current);
}

TEST_F(FileUserDefaultsTest, OnlyTheLastSevenDailyCopiesAreKept) {
    PreferencesBackups backups(path);
    fs::create_directories(backups.folder());
    for (int day = 1; day <= 9; ++day)
        std::ofstream(backups.folder() + "/defaults-2020-01-0" + std::to_string(day) + ".plist") << day;
    FileUserDefaults defaults(path);
    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());
    defaults.setBool("flag", false);
    ASSERT_TRUE(defaults.synchronize());

    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(backups.folder()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names.front(), "defaults-2020-01-04.plist");
}

struct BadFile {
    const char* name;
    std::string contents;
};

class UnreadableFileTest : public FileUserDefaultsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(UnreadableFileTest, IsKeptAsideAndNeverOverwritten) {
    writeFile(GetParam().contents);
    FileUserDefaults defaults(path);

    EXPECT_FALSE(defaults.objectForKey("allRedizado"));
    const auto aside = asideFiles();
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(defaults.setAsidePath(), aside[0]);
    EXPECT_EQ(readFile(aside[0]), GetParam().contents);

    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_EQ(readFile(aside[0]), GetParam().contents);
    EXPECT_TRUE(FileUserDefaults(path).boolForKey("flag"));
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, UnreadableFileTest,
    ::testing::Values(BadFile{"Garbage", "this is not a property list at all"},
                      BadFile{"Truncated", kValidXml.substr(0, kValidXml.size() / 2)},
                      BadFile{"ArrayAtTop", "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"},
                      BadFile{"StringAtTop",
                              "<?xml version=\"1.0\"?><plist version=\"1.0\"><string>x</string></plist>"},
                      BadFile{"Empty", ""},
                      BadFile{"NestedTooDeeply", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key>" +
                                                     [] {
                                                         std::string s;
                                                         for (int i = 0; i < 100000; ++i)
                                                             s += "<array>";
                                                         for (int i = 0; i < 100000; ++i)
                                                             s += "</array>";
                                                         return s;
                                                     }() +
                                                     "</dict></plist>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileUserDefaultsTest, BinaryPropertyListIsReadAndThenKeptAsXml) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "ShowToDoCount", plist_new_bool(1));
    plist_dict_set_item(root, "title", plist_new_string("binary"));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    writeFile(std::string(bytes, length));
    free(bytes);
    plist_free(root);

    FileUserDefaults defaults(path);
    EXPECT_TRUE(defaults.boolForKey("ShowToDoCount"));
    EXPECT_EQ(*defaults.objectForKey("title"), Value("binary"));
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_TRUE(readFile(path).starts_with("<?xml"));
}

class FailedSaveTest : public FileUserDefaultsTest, public ::testing::WithParamInterface<std::pair<FileStep, int>> {};

TEST_P(FailedSaveTest, LeavesTheOldFileIntactAndKeepsTheValueInMemory) {
    {
        FileUserDefaults first(path);
        first.setObject("title", "old");
        ASSERT_TRUE(first.synchronize());
    }
    const std::string before = readFile(path);

    FileUserDefaults defaults(path, failingAt(GetParam().first, GetParam().second));
    defaults.setObject("title", "new");
    EXPECT_FALSE(defaults.synchronize());

    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(*defaults.objectForKey("title"), Value("new"));
    EXPECT_EQ(strayFiles(), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedSaveTest,
                         ::testing::Values(std::pair{FileStep::write, ENOSPC}, std::pair{FileStep::fsync, EIO},
                                           std::pair{FileStep::rename, EACCES}));

TEST_F(FileUserDefaultsTest, FailingSavesAreReportedOnceAndRetriedAtTheNextChange) {
    auto full = std::make_shared<bool>(true);
    FileUserDefaults defaults(path, failingAt(FileStep::fsync, ENOSPC, full));
    ::testing::internal::CaptureStderr();
    for (int change = 0; change < 3; ++change) {
        defaults.setInteger("changes", change);
        EXPECT_FALSE(defaults.synchronize());
        EXPECT_TRUE(defaults.saveFailing());
    }
    *full = false;
    defaults.setInteger("changes", 3);
    EXPECT_TRUE(defaults.synchronize());
    const std::string log = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
    EXPECT_NE(log.find("No space left on device"), std::string::npos) << log;
    EXPECT_EQ(FileUserDefaults(path).integerForKey("changes"), 3);
}

TEST_F(FileUserDefaultsTest, SymlinkedFileIsSavedAtItsTargetAndStaysALink) {
    const std::string target = linkToDotfiles(kValidXml);

    FileUserDefaults defaults(path);
    defaults.setObject("title", "through the link");
    ASSERT_TRUE(defaults.synchronize());

    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(*FileUserDefaults(target).objectForKey("title"), Value("through the link"));
    EXPECT_EQ(readFile(target + ".bak"), kValidXml);
}

TEST_F(FileUserDefaultsTest, UnreadableTargetOfASymlinkIsKeptAsideNotOverwritten) {
    linkToDotfiles("garbage");

    FileUserDefaults defaults(path);
    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());

    ASSERT_FALSE(defaults.setAsidePath().empty());
    EXPECT_EQ(readFile(defaults.setAsidePath()), "garbage");
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(FileUserDefaults(path).boolForKey("flag"));
}

TEST_F(FileUserDefaultsTest, DefaultPathFollowsXdgConfigHome) {
    ScopedEnvironment environment("XDG_CONFIG_HOME", folder);
    EXPECT_EQ(FileUserDefaults::defaultPath(), folder + "/redizado/defaults.plist");
    environment.set("XDG_CONFIG_HOME", "relative/ignored");
    environment.set("HOME", "/home/someone");
    EXPECT_EQ(FileUserDefaults::defaultPath(), "/home/someone/.config/redizado/defaults.plist");
}

TEST_F(FileUserDefaultsTest, AHundredMegabyteFileIsReadWhole) {
    const std::vector<std::string> titles(100, std::string(1 << 20, 'x'));
    writeFile(withTitles(titles));
    FileUserDefaults defaults(path);
    const auto list = defaults.objectForKey("allRedizado");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->get<plist_value::Array>()->size(), 100u);
    EXPECT_TRUE(asideFiles().empty());
}

TEST_F(FileUserDefaultsTest, InvalidUtf8AndControlCharactersInTitlesLoseNoItem) {
    writeFile(withTitles({"bad \xff\xfe bytes", "tab\tand&#1;control", "fine"}));
    FileUserDefaults defaults(path);
    const auto list = defaults.objectForKey("allRedizado");
    ASSERT_TRUE(list);
    EXPECT_TRUE(asideFiles().empty());
    EXPECT_EQ(list->get<plist_value::Array>()->size(), 3u);
}

// Items kept only in memory would vanish at quit: a program that never installed its store stops at first use.
TEST(StandardUserDefaultsDeathTest, AProgramThatInstalledNoStoreStopsInsteadOfKeepingItemsInMemory) {
    UserDefaults::setStandardUserDefaults(nullptr);
    EXPECT_DEATH(UserDefaults::standardUserDefaults(), "no preferences store was installed");
}
} // namespace
