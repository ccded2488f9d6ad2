// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoginItemRegistration.h"
#include "TempFolder.h"
#include "XdgLoginItems.h"

#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string appPath = "/home/jos\u00e9/Apps/redizado";            // composed é
const std::string decomposedAppPath = "/home/jose\u0301/Apps/redizado"; // e + combining acute

// Each test starts programs at login from its own configuration folder, as the session would find it.
class LoginItemRegistrationTest : public ::testing::Test {
protected:
    void writeEntry(const std::string& name, const std::string& exec) {
        writeFile(temp.path() + "/autostart/" + name, "[Desktop Entry]\nType=Application\n" + exec + "\n");
    }
    std::vector<std::string> remaining() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(temp.path() + "/autostart"))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    TempFolder temp;

private:
    ScopedEnvironment configHome{"XDG_CONFIG_HOME", temp.path()};
};

TEST_F(LoginItemRegistrationTest, DeleteRemovesEveryEntryOfOursAndKeepsTheRest) {
    writeEntry("redizado.desktop", "Exec=\"" + appPath + "\"");
    writeEntry("by-hand.desktop", "Exec=" + decomposedAppPath + " --quiet");
    writeEntry("case.desktop", "Exec=/home/jos\u00e9/apps/redizado");
    writeEntry("broken.desktop", "Exec=\"" + appPath);

    XdgLoginItems items;
    EXPECT_TRUE(deleteAppFromLoginItem(items, appPath));

    EXPECT_EQ(remaining(), (std::vector<std::string>{"broken.desktop", "case.desktop"}));
}

} // namespace
