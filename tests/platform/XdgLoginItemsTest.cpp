// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgLoginItems.h"
#include "DesktopEntry.h"
#include "TempFolder.h"

#include "FailingFileCalls.h"
#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class XdgLoginItemsTest : public ::testing::Test {
protected:
    void writeEntry(const std::string& name, const std::string& contents) { writeFile(folder + "/" + name, contents); }
    std::string readEntry(const std::string& name) const { return readFile(folder + "/" + name); }
    static mode_t modeOf(const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : items.entries())
            out.push_back(entry.id);
        return out;
    }

    TempFolder temp;
    std::string folder = temp.path() + "/config/autostart";
    XdgLoginItems items{folder};
};

TEST_F(XdgLoginItemsTest, InsertCreatesAPrivateFolderAndAnEntryTheSessionStarts) {
    ASSERT_TRUE(items.insertLast("/opt/redizado/bin/redizado"));

    EXPECT_EQ(modeOf(temp.path() + "/config"), 0700u);
    EXPECT_EQ(modeOf(folder + "/redizado.desktop"), 0644u);
    // What a session needs to start it: an application entry of the main group.
    EXPECT_TRUE(readEntry("redizado.desktop").starts_with("[Desktop Entry]\nType=Application\n"));
    EXPECT_EQ(names(), std::vector<std::string>{"redizado.desktop"});
}

TEST_F(XdgLoginItemsTest, AnEntryOfAnotherCopyIsKeptBesideOurs) {
    writeEntry("redizado.desktop", "[Desktop Entry]\nExec=/home/me/old/redizado\n");

    ASSERT_TRUE(items.insertLast("/usr/bin/redizado"));
    ASSERT_TRUE(items.insertLast("/usr/bin/redizado"));

    const auto entries = items.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, "redizado-2.desktop");
    EXPECT_EQ(entries[0].program, "/usr/bin/redizado");
    EXPECT_EQ(entries[1].id, "redizado.desktop");
    EXPECT_EQ(entries[1].program, "/home/me/old/redizado");
}

TEST_F(XdgLoginItemsTest, RemoveDeletesOnlyThatEntry) {
    writeEntry("a.desktop", "[Desktop Entry]\nExec=/usr/bin/a\n");
    writeEntry("b.desktop", "[Desktop Entry]\nExec=/usr/bin/b\n");
    writeEntry("notes.txt", "not an entry");

    EXPECT_TRUE(items.remove(items.entries().at(0)));

    EXPECT_EQ(names(), std::vector<std::string>{"b.desktop"});
    EXPECT_TRUE(fs::exists(folder + "/notes.txt"));
    EXPECT_FALSE(items.remove({"../config", std::nullopt}));
    EXPECT_TRUE(fs::exists(temp.path() + "/config"));
}

TEST_F(XdgLoginItemsTest, PathsThatCannotGoIntoAnEntryAndAFailedWriteAddNothingAndLeaveNoTemporaryFile) {
    for (const std::string& path :
         {std::string("relative/redizado"), std::string("/bin/a\nb"), std::string("/bin/\xff"),
          std::string("/bin/\xc3"), std::string(""), std::string("/bin/a\0b", 8)}) {
        EXPECT_FALSE(items.insertLast(path)) << path;
    }
    EXPECT_FALSE(fs::exists(folder + "/redizado.desktop"));

    XdgLoginItems failing(folder, failingAt(FileStep::fsync, EIO));
    EXPECT_FALSE(failing.insertLast("/usr/bin/redizado"));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(XdgLoginItemsTest, ABareProgramNameIsFoundAlongThePath) {
    const std::string bin = temp.path() + "/bin";
    fs::create_directories(bin);
    std::ofstream(bin + "/tool") << "#!/bin/sh\n";
    fs::permissions(bin + "/tool", fs::perms::owner_all);
    writeEntry("1.desktop", "[Desktop Entry]\nExec=tool --flag\n");
    writeEntry("2.desktop", "[Desktop Entry]\nExec=missing\n");
    writeEntry("3.desktop", "[Desktop Entry]\nExec=./tool\n");
    const auto entries = [&] {
        ScopedEnvironment environment("PATH", "relative:" + bin);
        return items.entries();
    }();

    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].program, bin + "/tool");
    EXPECT_EQ(entries[1].program, std::nullopt);
    EXPECT_EQ(entries[2].program, std::nullopt);
}

TEST(XdgLoginItemsFolder, FollowsTheConfigHomeAndIgnoresARelativeOne) {
    ScopedEnvironment environment("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(XdgLoginItems::defaultFolder(), "/somewhere/config/autostart");
    environment.set("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(XdgLoginItems::defaultFolder(), std::string(std::getenv("HOME")) + "/.config/autostart");
}

// Whatever the path holds, our entry must start exactly that program.
class ExecRoundTrip : public XdgLoginItemsTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ExecRoundTrip, TheEntryStartsTheSameProgram) {
    ASSERT_TRUE(items.insertLast(GetParam()));
    const auto entries = items.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].program, GetParam()) << readEntry(entries[0].id);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExecRoundTrip,
                         ::testing::Values("/home/me/My Apps/redizado", "/opt/$HOME/`date`/app", "/opt/100%/%f app",
                                           "/opt/trailing ", "/opt/\\\\s/'\"'/\\n"));

struct ExecLine {
    const char* name;
    const char* contents;
    std::optional<std::string> program;
};

class ExecParsing : public ::testing::TestWithParam<ExecLine> {};

TEST_P(ExecParsing, TheFirstArgumentIsTheProgram) {
    EXPECT_EQ(desktop_entry::execProgram(GetParam().contents), GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExecParsing,
    ::testing::Values(ExecLine{"FieldCode", "[Desktop Entry]\nExec=/usr/bin/app %U\n", "/usr/bin/app"},
                      ExecLine{"SingleQuotes", "[Desktop Entry]\nExec='/opt/a b/c' -x\n", "/opt/a b/c"},
                      ExecLine{"ActionAfterMain",
                               "[Desktop Entry]\nExec=/usr/bin/a\n[Desktop Action x]\nExec=/usr/bin/b\n", "/usr/bin/a"},
                      ExecLine{"UnclosedQuote", "[Desktop Entry]\nExec=\"/usr/bin/a\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
