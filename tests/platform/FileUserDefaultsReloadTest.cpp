// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences file changed by someone else while it is open.
#include "FileUserDefaults.h"
#include "TempFolder.h"

#include "FileContents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace plist_value;
using Reload = FileUserDefaults::Reload;

namespace {
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
