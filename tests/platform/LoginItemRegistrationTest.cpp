// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoginItemRegistration.h"
#include "TempFolder.h"
#include "XdgLoginItems.h"

#include "FileContents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

TEST(LoginItemRegistrationTest, DeleteRemovesEveryEntryOfOursAndKeepsTheRest) {
    const std::string appPath = "/home/jos\u00e9/Apps/redizado"; // composed é
    TempFolder temp;
    const auto writeEntry = [&](const std::string& name, const std::string& exec) {
        writeFile(temp.path() + "/" + name, "[Desktop Entry]\nType=Application\n" + exec + "\n");
    };
    writeEntry("redizado.desktop", "Exec=\"" + appPath + "\"");
    writeEntry("by-hand.desktop", "Exec=/home/jose\u0301/Apps/redizado --quiet"); // e + combining acute
    writeEntry("case.desktop", "Exec=/home/jos\u00e9/apps/redizado");
    writeEntry("broken.desktop", "Exec=\"" + appPath);

    XdgLoginItems items(temp.path());
    EXPECT_TRUE(deleteAppFromLoginItem(items, appPath));

    std::vector<std::string> remaining;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
        remaining.push_back(entry.path().filename().string());
    std::sort(remaining.begin(), remaining.end());
    EXPECT_EQ(remaining, (std::vector<std::string>{"broken.desktop", "case.desktop"}));
}
