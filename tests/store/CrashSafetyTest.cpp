// SPDX-License-Identifier: GPL-3.0-or-later
// Killing the program at any moment loses no item whose add had returned, and leaves a readable file.
#include "FileUserDefaults.h"
#include "StoredItems.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Starts the driver, reads `acks` titles it says it added, waits a little and kills it. Returns those titles.
std::vector<std::string> addThenKill(const std::string& path, const std::string& run, int acks, int delayUs) {
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(REDIZADO_ADD_DRIVER, REDIZADO_ADD_DRIVER, path.c_str(), run.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    FILE* lines = ::fdopen(out[0], "r");
    std::vector<std::string> acked;
    char buffer[256];
    while (static_cast<int>(acked.size()) < acks && std::fgets(buffer, sizeof buffer, lines))
        acked.emplace_back(buffer, std::strlen(buffer) - 1);
    ::usleep(static_cast<useconds_t>(delayUs));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    std::fclose(lines);
    return acked;
}

TEST(CrashSafety, NoAcknowledgedItemIsLostWhenKilledAtRandomMoments) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    std::mt19937 random(20261206);
    std::set<std::string> acknowledged;
    for (int kill = 0; kill < 200; ++kill) {
        const auto acked = addThenKill(path, "run" + std::to_string(kill), random() % 4, random() % 3000);
        acknowledged.insert(acked.begin(), acked.end());
        FileUserDefaults defaults(path);
        ASSERT_EQ(defaults.setAsidePath(), "") << "the file was unreadable after kill " << kill;
        const auto titles = storedTitles(defaults);
        const std::set<std::string> stored(titles.begin(), titles.end());
        ASSERT_TRUE(std::includes(stored.begin(), stored.end(), acknowledged.begin(), acknowledged.end()))
            << "an acknowledged item was lost after kill " << kill;
    }
    EXPECT_GT(acknowledged.size(), 200u);
}
} // namespace
