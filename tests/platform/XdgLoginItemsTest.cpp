// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgLoginItems.h"
#include "DesktopEntry.h"
#include "LoginItemRegistration.h"
#include "TempFolder.h"

#include "FailingFileCalls.h"
#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

class XdgLoginItemsTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::string folder = temp.path() + "/config/autostart";
    XdgLoginItems items{folder};
};

// Whatever the path holds, our entry must start exactly that program.
TEST_F(XdgLoginItemsTest, InsertCreatesAPrivateFolderAndAnEntryTheSessionStartsWithTheSameProgram) {
    using fs::perms;
    for (const std::string path : {"/opt/redizado/bin/redizado", "/home/me/My Apps/redizado", "/opt/$HOME/`date`/app",
                                   "/opt/100%/%f app", "/opt/trailing ", "/opt/\\\\s/'\"'/\\n"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(items.insertLast(path));
        const std::string file = folder + "/redizado.desktop";
        EXPECT_EQ(fs::status(file).permissions(),
                  perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
        // What a session needs to start it: an application entry of the main group, which no desktop is told to
        // skip.
        const std::string entry = readFile(file);
        EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\n"));
        for (const char* skipped : {"Hidden=true", "X-GNOME-Autostart-enabled=false"})
            EXPECT_EQ(entry.find(skipped), std::string::npos) << skipped;
        const auto entries = items.entries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].program, path) << entry;
        // A lone % would start a field code a session expands, which our own reader does not.
        EXPECT_TRUE(path != "/opt/100%/%f app" || entry.find("Exec=\"/opt/100%%/%%f app\"") != std::string::npos)
            << entry;
        fs::remove(file);
    }
    EXPECT_EQ(fs::status(temp.path() + "/config").permissions(), perms::owner_all);
}

TEST_F(XdgLoginItemsTest, AnEntryOfAnotherCopyIsKeptBesideOurs) {
    writeFile(folder + "/redizado.desktop", "[Desktop Entry]\nExec=/home/me/old/redizado\n");

    ASSERT_TRUE(items.insertLast("/usr/bin/redizado"));
    ASSERT_TRUE(items.insertLast("/usr/bin/redizado"));

    std::vector<std::pair<std::string, std::optional<std::string>>> found;
    for (const auto& entry : items.entries())
        found.emplace_back(entry.id, entry.program);
    EXPECT_EQ(found, (decltype(found){{"redizado-2.desktop", "/usr/bin/redizado"},
                                      {"redizado.desktop", "/home/me/old/redizado"}}));
}

TEST_F(XdgLoginItemsTest, PathsThatCannotGoIntoAnEntryAndAFailedWriteAddNothingAndLeaveNoTemporaryFile) {
    for (const std::string& path : {std::string("relative/redizado"), std::string("/bin/a\nb"),
                                    std::string("/bin/\xff"), std::string("/bin/\xc3("), std::string("/bin/a\0b", 8)})
        EXPECT_FALSE(items.insertLast(path)) << path;
    EXPECT_FALSE(fs::exists(folder + "/redizado.desktop"));

    XdgLoginItems failing(folder, failingAt(FileStep::fsync, EIO));
    EXPECT_FALSE(failing.insertLast("/usr/bin/redizado"));
    EXPECT_TRUE(fs::is_empty(folder));
}

// Most users have no autostart folder until something starts at login: that is nothing to report.
TEST_F(XdgLoginItemsTest, AnAutostartFolderNotMadeYetIsNoErrorButOneThatCannotBeMadeOrReadIsSaidWhy) {
    testing::internal::CaptureStderr();
    EXPECT_TRUE(items.entries().empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    writeFile(temp.path() + "/config", "a file where the folder should be");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(items.insertLast("/usr/bin/redizado"));
    EXPECT_TRUE(items.entries().empty());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot add the login item"), std::string::npos);
    EXPECT_NE(said.find("cannot list"), std::string::npos);
}

TEST_F(XdgLoginItemsTest, DeletingRemovesEveryEntryOfOursAndKeepsTheRest) {
    const std::string appPath = "/home/jos\u00e9/Apps/redizado"; // composed é
    const auto writeEntry = [&](const std::string& name, const std::string& exec) {
        writeFile(folder + "/" + name, "[Desktop Entry]\nType=Application\n" + exec + "\n");
    };
    writeEntry("redizado.desktop", "Exec=\"" + appPath + "\"");
    writeEntry("by-hand.desktop", "Exec=/home/jose\u0301/Apps/redizado --quiet"); // e + combining acute
    writeEntry("case.desktop", "Exec=/home/jos\u00e9/apps/redizado");
    writeEntry("broken.desktop", "Exec=\"" + appPath);
    EXPECT_TRUE(deleteAppFromLoginItem(items, appPath));

    const std::set<fs::path> remaining{fs::directory_iterator(folder), fs::directory_iterator()};
    EXPECT_EQ(remaining, (std::set<fs::path>{folder + "/broken.desktop", folder + "/case.desktop"}));
    // As a session starts them: a bare name is looked up on PATH, a relative path starts nothing.
    const ScopedEnvironment path("PATH", "/nowhere:/bin");
    writeEntry("bare.desktop", "Exec=sh -c true");
    writeEntry("relative.desktop", "Exec=bin/sh");
    std::map<std::string, std::optional<std::string>> programs;
    for (const auto& entry : items.entries())
        programs[entry.id] = entry.program;
    EXPECT_EQ(programs["bare.desktop"], "/bin/sh");
    EXPECT_EQ(programs["relative.desktop"], std::nullopt);
    // One that cannot be removed is said, with why.
    fs::create_directory(folder + "/stuck.desktop");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(items.remove({"stuck.desktop", appPath}));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot remove the login item"), std::string::npos);
}

// Entries written by hand or by other tools: the program is found as a session would start it, or not at all.
TEST(DesktopEntryTest, TheProgramOfAnEntryWrittenElsewhereIsReadAsASessionStartsIt) {
    const struct {
        const char* contents;
        std::optional<std::string> program;
    } cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/redizado --quiet\n", "/usr/bin/redizado"},
        {"[Desktop Entry]\nExec=/home/me/My\\sApps/redizado\n", "/home/me/My"}, // a space, as any other, splits
        {"[Desktop Entry]\nExec='/home/me/My Apps/redizado' -x\n", "/home/me/My Apps/redizado"},
        {"[Desktop Entry]\nExec=/home/me/My\\\\ Apps/redizado\n", "/home/me/My Apps/redizado"},
        {"[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b\\\\$c\"\n", "/opt/a\\b$c"},
        {"[Desktop Entry]\nExec=/opt/100%%/app %u\n", "/opt/100%/app"},
        {"# a comment\n[Other Group]\nExec=/not/this\n[Desktop Entry]\r\n  Exec = /usr/bin/a\r\n", "/usr/bin/a"},
        {"[Desktop Entry]\nExec=/usr/bin/a\nExec=/usr/bin/b\n", "/usr/bin/b"},
        {"[Desktop Entry]\nExec=\"/unclosed\n", std::nullopt},
        {"[Desktop Entry]\nExec='/unclosed\n", std::nullopt},
        {"[Desktop Entry]\nExec=\n", std::nullopt},
        {"[Desktop Entry]\nName=redizado\n", std::nullopt},
        {"[Other Group]\nExec=/not/this\n", std::nullopt},
        {"Exec=/before/any/group\n[Desktop Entry]\nName=redizado\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktop_entry::execProgram(c.contents), c.program) << c.contents;
}

} // namespace
