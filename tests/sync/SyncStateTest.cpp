// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncState.h"
#include "FileContents.h"
#include "PlistCodec.h"
#include "SyncStateFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

using namespace plist_value;

namespace {

class SyncStateTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string path = folder.path() + "/redizado/sync.plist";
};

TEST_F(SyncStateTest, ComesBackAsItWasSavedReadableByTheUserOnly) {
    SyncState state{"alice https://example.org/",
                    "https://example.org/alice/tasks/",
                    "token-7",
                    {},
                    "RetryLater",
                    1.7e9,
                    "cannot reach example.org",
                    1.6e9,
                    2,
                    "\"Milk\": HTTP 413",
                    1.5e9,
                    {{"u3", {"Oat milk", true}}}};
    state.tasks["u1"] = {"/alice/tasks/u1.ics", "\"e1\"", "Milk & <bread>", true, "BEGIN:VCALENDAR\r\n..."};
    state.tasks["u2"] = {"/alice/tasks/u2.ics", "", "", false, ""};
    state.tasks["u4"] = {"/alice/tasks/u4.ics", "e4", "caf\xc3\xa9 > tea", false, "a]]>b"};
    ASSERT_TRUE(state.save(path));
    EXPECT_EQ(SyncState::load(path), state);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "readable by others";

    // Byte for byte the text of the same values written as one tree, as the file always was.
    Array tasks;
    for (const auto& [uid, task] : state.tasks)
        tasks.emplace_back(Dictionary{{"UID", Value(uid)},
                                      {"Href", Value(task.href)},
                                      {"ETag", Value(task.etag)},
                                      {"Title", Value(task.title)},
                                      {"Completed", Value(task.completed)},
                                      {"ServerText", Value(task.serverText)}});
    Dictionary root{
        {"Account", Value(state.account)},
        {"Calendar", Value(state.calendar)},
        {"SyncToken", Value(state.token)},
        {"Tasks", Value(std::move(tasks))},
        {"Sending",
         Value(Array{Dictionary{{"UID", Value("u3")}, {"Title", Value("Oat milk")}, {"Completed", Value(true)}}})},
        {"LastResult", Value(state.lastResult)},
        {"LastDetail", Value(state.lastDetail)},
        {"RefusedItems", Value(state.refusedItems)},
        {"FirstRefusal", Value(state.firstRefusal)},
        {"LastSyncDate", Value(makeDate(1.7e9))},
        {"LastGoodSyncDate", Value(makeDate(1.6e9))},
        {"LastFullListingDate", Value(makeDate(1.5e9))}};
    EXPECT_EQ(readFile(path), std::string(plist_codec::toXmlThroughLibplist(root).text()));
}

// As a version before the last good sync and the refused items were kept wrote it.
TEST_F(SyncStateTest, AnOlderFileStillLoads) {
    ASSERT_TRUE(SyncState{}.save(path));
    std::ofstream(path) << R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>Account</key><string>al</string><key>SyncToken</key><string>t</string>
<key>LastResult</key><string>Ok</string><key>Tasks</key><array/></dict></plist>)";
    const SyncState state = SyncState::load(path);
    EXPECT_EQ(std::tie(state.token, state.lastResult, state.lastGoodSyncSince1970, state.refusedItems),
              std::tuple(std::string("t"), std::string("Ok"), std::optional<double>(), 0));
}

// Kept in memory between syncs, but never in place of a file someone else wrote or removed meanwhile; an unreadable
// one starts afresh, saying why each time.
TEST_F(SyncStateTest, TheKeptStateFollowsTheFileWhenAnotherWriterReplacesIt) {
    SyncStateFile file(path);
    SyncState state;
    state.token = "ours";
    ASSERT_TRUE(file.save(state));
    EXPECT_EQ(file.load().token, "ours");
    state.token = "theirs";
    ASSERT_TRUE(state.save(path));
    EXPECT_EQ(file.load().token, "theirs");

    std::string why;
    std::ofstream(path) << "<plist>half";
    EXPECT_EQ(file.load(&why), SyncState{});
    EXPECT_NE(why.find(path), std::string::npos) << why;
    why.clear();
    file.load(&why);
    EXPECT_FALSE(why.empty()) << "a file still unreadable was taken for an empty state without a word";

    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_EQ(file.load(), SyncState{});
}

} // namespace
