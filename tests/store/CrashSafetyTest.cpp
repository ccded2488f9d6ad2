// SPDX-License-Identifier: GPL-3.0-or-later
// Killing the program at any moment loses no item whose add had returned, and leaves a readable file.
#include "FileUserDefaults.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace plist_value;

namespace {

constexpr int kKills = 200;

std::set<std::string> storedTitles(const std::string& path) {
    FileUserDefaults defaults(path);
    EXPECT_EQ(defaults.setAsidePath(), "") << "the file was unreadable after a kill";
    const auto titles = ::storedTitles(defaults);
    return {titles.begin(), titles.end()};
}

// Starts the driver, reads `acks` acknowledged titles, waits a little and kills it. Returns the acknowledged titles.
std::vector<std::string> addThenKill(const std::string& path, const std::string& run, int acks, int delayUs) {
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl(REDIZADO_ADD_DRIVER, REDIZADO_ADD_DRIVER, path.c_str(), run.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    FILE* lines = ::fdopen(out[0], "r");
    std::vector<std::string> acked;
    char buffer[256];
    while (static_cast<int>(acked.size()) < acks && std::fgets(buffer, sizeof buffer, lines)) {
        std::string line(buffer);
        line.pop_back();
        acked.push_back(line);
    }
    ::usleep(static_cast<useconds_t>(delayUs));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::fclose(lines);
    return acked;
}

TEST(CrashSafety, NoAcknowledgedItemIsLostWhenKilledAtRandomMoments) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    std::mt19937 random(20261206);
    std::set<std::string> acknowledged;
    int lost = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const auto acked = addThenKill(path, "run" + std::to_string(kill), random() % 4, random() % 3000);
        acknowledged.insert(acked.begin(), acked.end());
        const auto stored = storedTitles(path);
        for (const auto& title : acknowledged)
            lost += stored.count(title) == 0;
        ASSERT_EQ(lost, 0) << "after kill " << kill;
    }
    EXPECT_GT(acknowledged.size(), static_cast<std::size_t>(kKills));
    RecordProperty("kills", kKills);
    RecordProperty("itemsAcknowledged", static_cast<int>(acknowledged.size()));
}

} // namespace
