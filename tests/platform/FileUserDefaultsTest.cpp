// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUserDefaults.h"
#include "PreferencesBackups.h"
#include "TempFolder.h"

#include "FailingFileCalls.h"
#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <filesystem>
#include <fstream>
#include <set>
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

std::string repeated(const std::string& part, int times) {
    std::string out;
    while (times-- > 0)
        out += part;
    return out;
}

class FileUserDefaultsTest : public ::testing::Test {
protected:
    std::size_t titlesRead() const {
        const auto list = FileUserDefaults(path).objectForKey("allRedizado");
        return list ? list->get<Array>()->size() : 0;
    }
    // Files beside the preferences that are neither the file, its backups nor a kept-aside file.
    int strayFiles() const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
            const std::string name = e.path().filename().string();
            n += name != "defaults.plist" && name != "defaults.plist.bak" && name != "backups" &&
                 !name.starts_with("defaults.plist.unreadable-");
        }
        return n;
    }

    TempFolder temp;
    std::string folder = temp.path();
    std::string path = folder + "/redizado/defaults.plist";
};

TEST_F(FileUserDefaultsTest, EveryValueTypeSurvivesARoundTripInAFilePrivateToTheUser) {
    const Array list{Value("milk \u2014 \u00e9"), Value(Dictionary{{"inner", Array{Value(true)}}})};
    {
        FileUserDefaults defaults(path);
        defaults.setInteger("big", 9'000'000'000'000'000'000LL);
        defaults.setObject("real", 2.5);
        defaults.setObject("text", "<b>not markup</b> & \"quotes\"");
        defaults.setObject("date", makeDate(1'700'000'000));
        defaults.setObject("data", Data{0, 1, 255});
        defaults.setObject("list", list);
        defaults.setObject("nul", std::string("before\0after", 12));
        ASSERT_TRUE(defaults.synchronize());
    }
    FileUserDefaults reloaded(path);
    EXPECT_EQ(reloaded.integerForKey("big"), 9'000'000'000'000'000'000LL);
    EXPECT_EQ(*reloaded.objectForKey("real"), Value(2.5));
    EXPECT_EQ(*reloaded.objectForKey("text"), Value("<b>not markup</b> & \"quotes\""));
    EXPECT_EQ(*reloaded.objectForKey("date"), Value(makeDate(1'700'000'000)));
    EXPECT_EQ(*reloaded.objectForKey("data"), Value(Data{0, 1, 255}));
    EXPECT_EQ(*reloaded.objectForKey("list"), Value(list));
    EXPECT_EQ(*reloaded.objectForKey("nul"), Value("before\uFFFDafter"));

    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(strayFiles(), 0) << "no temporary file is left behind";
}

TEST_F(FileUserDefaultsTest, EachSaveKeepsTheReplacedFileAndADailyCopyOfTheLastSevenDays) {
    PreferencesBackups backups(path);
    fs::create_directories(backups.folder());
    for (int day = 1; day <= 9; ++day)
        std::ofstream(backups.folder() + "/defaults-2020-01-0" + std::to_string(day) + ".plist") << day;
    FileUserDefaults defaults(path);
    for (const char* title : {"first", "second", "third"}) {
        defaults.setObject("title", title);
        ASSERT_TRUE(defaults.synchronize());
    }
    EXPECT_EQ(*FileUserDefaults(backups.bakPath()).objectForKey("title"), Value("second"));

    // The day's copy is the first version the program replaced that day; the oldest days go.
    std::set<std::string> daily;
    for (const auto& e : fs::directory_iterator(backups.folder()))
        daily.insert(e.path().string());
    ASSERT_EQ(daily.size(), 7u);
    EXPECT_EQ(fs::path(*daily.begin()).filename(), "defaults-2020-01-04.plist");
    EXPECT_EQ(*FileUserDefaults(*daily.rbegin()).objectForKey("title"), Value("first"));
}

struct BadFile {
    const char* name;
    std::string contents;
};

class UnreadableFileTest : public FileUserDefaultsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(UnreadableFileTest, IsKeptAsideAndNeverOverwritten) {
    writeFile(path, GetParam().contents);
    FileUserDefaults defaults(path);
    EXPECT_FALSE(defaults.objectForKey("allRedizado"));
    ASSERT_FALSE(defaults.setAsidePath().empty());

    defaults.setBool("flag", true);
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_EQ(readFile(defaults.setAsidePath()), GetParam().contents);
    EXPECT_TRUE(FileUserDefaults(path).boolForKey("flag"));
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, UnreadableFileTest,
    ::testing::Values(BadFile{"Garbage", "this is not a property list at all"},
                      BadFile{"Truncated", kValidXml.substr(0, kValidXml.size() / 2)},
                      BadFile{"ArrayAtTop", "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"},
                      BadFile{"Empty", ""},
                      BadFile{"NestedTooDeeply", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key>" +
                                                     repeated("<array>", 100000) + repeated("</array>", 100000) +
                                                     "</dict></plist>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileUserDefaultsTest, BinaryPropertyListIsReadAndThenKeptAsXml) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "ShowToDoCount", plist_new_bool(1));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    writeFile(path, std::string(bytes, length));
    free(bytes);
    plist_free(root);

    FileUserDefaults defaults(path);
    EXPECT_TRUE(defaults.boolForKey("ShowToDoCount"));
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_TRUE(readFile(path).starts_with("<?xml"));
}

class FailedSaveTest : public FileUserDefaultsTest, public ::testing::WithParamInterface<std::pair<FileStep, int>> {};

TEST_P(FailedSaveTest, LeavesTheOldFileIntactAndKeepsTheValueInMemory) {
    writeFile(path, kValidXml);
    FileUserDefaults defaults(path, failingAt(GetParam().first, GetParam().second));
    defaults.setObject("title", "new");
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_TRUE(defaults.saveFailing());

    EXPECT_EQ(readFile(path), kValidXml);
    EXPECT_EQ(*defaults.objectForKey("title"), Value("new"));
    EXPECT_EQ(strayFiles(), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedSaveTest,
                         ::testing::Values(std::pair{FileStep::write, ENOSPC}, std::pair{FileStep::fsync, EIO},
                                           std::pair{FileStep::rename, EACCES}));

TEST_F(FileUserDefaultsTest, ASymlinkedFileIsSavedAtItsTargetAndStaysALinkAlsoWhenTheTargetWasUnreadable) {
    for (const std::string& contents : {kValidXml, std::string("garbage")}) {
        const std::string target = folder + "/dotfiles/" + std::to_string(contents.size()) + ".plist";
        writeFile(target, contents);
        fs::remove(path);
        fs::create_directories(fs::path(path).parent_path());
        fs::create_symlink(target, path);

        FileUserDefaults defaults(path);
        defaults.setObject("title", "through the link");
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_TRUE(fs::is_symlink(path));
        EXPECT_EQ(*FileUserDefaults(target).objectForKey("title"), Value("through the link"));
        EXPECT_EQ(readFile(defaults.setAsidePath().empty() ? target + ".bak" : defaults.setAsidePath()), contents);
    }
}

TEST_F(FileUserDefaultsTest, DefaultPathFollowsXdgConfigHome) {
    ScopedEnvironment environment("XDG_CONFIG_HOME", folder);
    EXPECT_EQ(FileUserDefaults::defaultPath(), folder + "/redizado/defaults.plist");
    environment.set("XDG_CONFIG_HOME", "relative/ignored");
    environment.set("HOME", "/home/someone");
    EXPECT_EQ(FileUserDefaults::defaultPath(), "/home/someone/.config/redizado/defaults.plist");
}

TEST_F(FileUserDefaultsTest, AHundredMegabyteFileAndTitlesWithInvalidUtf8OrControlCharactersLoseNoItem) {
    writeFile(path, withTitles(std::vector<std::string>(100, std::string(1 << 20, 'x'))));
    EXPECT_EQ(titlesRead(), 100u);
    writeFile(path, withTitles({"bad \xff\xfe bytes", "tab\tand&#1;control", "fine"}));
    EXPECT_EQ(titlesRead(), 3u);
}

// Items kept only in memory would vanish at quit: a program that never installed its store stops at first use.
TEST(StandardUserDefaultsDeathTest, AProgramThatInstalledNoStoreStopsInsteadOfKeepingItemsInMemory) {
    UserDefaults::setStandardUserDefaults(nullptr);
    EXPECT_DEATH(UserDefaults::standardUserDefaults(), "no preferences store was installed");
}
// The preferences file changed by someone else while it is open.
using Reload = FileUserDefaults::Reload;

std::string plistWith(const std::string& key, const std::string& text) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>" + key + "</key><string>" +
           text + "</string></dict></plist>\n";
}

class ReloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        defaults.setObject("title", "ours");
        ASSERT_TRUE(defaults.synchronize());
    }
    // As an editor saves: a new file renamed over the old one.
    void replaceFile(const std::string& contents) {
        std::ofstream(path + ".editor", std::ios::binary) << contents;
        fs::rename(path + ".editor", path);
    }
    void writeInPlace(const std::string& contents) { std::ofstream(path, std::ios::binary) << contents; }
    std::string title() const { return *defaults.objectForKey("title")->get<std::string>(); }

    TempFolder temp;
    std::string path = temp.path() + "/redizado/defaults.plist";
    FileUserDefaults defaults{path};
};

TEST_F(ReloadTest, AFileReplacedOrWrittenInPlaceIsReloadedButNotOurOwnSave) {
    defaults.setObject("title", "ours again");
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::unchanged);

    replaceFile(plistWith("title", "restored from a backup"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::reloaded);
    EXPECT_EQ(title(), "restored from a backup");
    writeInPlace(plistWith("title", "edited by hand"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::reloaded);
    EXPECT_EQ(title(), "edited by hand");
}

TEST_F(ReloadTest, AHalfWrittenFileIsLeftAloneAndAChangeMeanwhileWaitsInMemory) {
    const std::string half = plistWith("title", "theirs").substr(0, 50);
    writeInPlace(half);
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::unreadable);
    EXPECT_EQ(title(), "ours");

    defaults.setObject("title", "changed meanwhile");
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_TRUE(defaults.saveFailing());
    EXPECT_EQ(readFile(path), half);

    // The writer finishes; our change is saved and theirs kept beside it.
    writeInPlace(plistWith("title", "theirs"));
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::keptOurs);
    EXPECT_FALSE(defaults.saveFailing());
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("changed meanwhile"));
    ASSERT_FALSE(defaults.keptElsewherePath().empty());
    EXPECT_EQ(readFile(defaults.keptElsewherePath()), plistWith("title", "theirs"));
}

TEST_F(ReloadTest, ASaveOverSomeoneElsesVersionKeepsThatVersionBeside) {
    replaceFile(plistWith("title", "theirs"));
    // Our change comes before the reload could run.
    defaults.setObject("other", "ours");
    ASSERT_TRUE(defaults.synchronize());

    ASSERT_FALSE(defaults.keptElsewherePath().empty());
    EXPECT_EQ(readFile(defaults.keptElsewherePath()), plistWith("title", "theirs"));
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("other"), Value("ours"));
}

TEST_F(ReloadTest, ARemovedFileIsWrittenAgainAtTheNextChange) {
    fs::remove(path);
    EXPECT_EQ(defaults.reloadIfChangedElsewhere(), Reload::missing);
    EXPECT_EQ(title(), "ours");
    defaults.setObject("title", "again");
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_EQ(*FileUserDefaults(path).objectForKey("title"), Value("again"));
}

TEST(LeaveAloneTest, AnUnreadableFileIsNeitherMovedNorWritten) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    std::ofstream(path) << "not a property list";

    FileUserDefaults defaults(path, FileCalls::real(), FileUserDefaults::Unreadable::leaveAlone);
    EXPECT_NE(defaults.loadError().find(path), std::string::npos);
    defaults.setBool("flag", true);
    EXPECT_FALSE(defaults.synchronize());

    EXPECT_EQ(readFile(path), "not a property list");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}
} // namespace
