// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncState.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

class SyncStateTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string path = folder.path() + "/redizado/sync.plist";
};

TEST_F(SyncStateTest, ComesBackAsItWasSaved) {
    SyncState state{"alice https://example.org/", "https://example.org/alice/tasks/", "token-7", {}, "Ok", 1.7e9};
    state.tasks["u1"] = {"/alice/tasks/u1.ics", "\"e1\"", "Milk & <bread>", true, "BEGIN:VCALENDAR\r\n..."};
    state.tasks["u2"] = {"/alice/tasks/u2.ics", "", "", false, ""};
    ASSERT_TRUE(state.save(path));
    EXPECT_EQ(SyncState::load(path), state);
}

TEST_F(SyncStateTest, IsReadableByTheUserOnly) {
    ASSERT_TRUE(SyncState{}.save(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(SyncStateTest, AnUnreadableFileStartsAfreshAndSaysWhy) {
    ASSERT_TRUE(SyncState{}.save(path));
    std::ofstream(path) << "<plist>half";
    std::string why;
    EXPECT_EQ(SyncState::load(path, &why), SyncState{});
    EXPECT_NE(why.find(path), std::string::npos) << why;
}

} // namespace
