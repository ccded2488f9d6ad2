// SPDX-License-Identifier: GPL-3.0-or-later
// Preferences files edited by hand: whatever can be read is loaded, nothing crashes.
#include "FileUserDefaults.h"
#include "FirstRun.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "PreferencesKeys.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
struct HandEdit {
    const char* name;
    std::string body; // the inside of the top dictionary
    std::size_t items;
    std::size_t toDo;
};

class HandEditedPreferencesTest : public ::testing::TestWithParam<HandEdit> {};

TEST_P(HandEditedPreferencesTest, LoadsWhatCanBeReadAndCountsIt) {
    TempFolder temp;
    const std::string path = temp.path() + "/defaults.plist";
    std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        << GetParam().body << "</dict></plist>\n";
    FileUserDefaults defaults(path);
    EXPECT_EQ(defaults.setAsidePath(), "");
    runFirstRunProcedure(defaults);
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);

    EXPECT_EQ(manager.redizado().size(), GetParam().items);
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), static_cast<std::int64_t>(GetParam().toDo));

    // A change still saves, and what was loaded survives it.
    manager.addJotlingWithTitle("new");
    FileUserDefaults reloaded(path);
    EXPECT_EQ(JLJotlingManager(reloaded, center).redizado().size(), GetParam().items + 1);
}

const std::string kItem = "<dict><key>JotlingTitle</key><string>A</string><key>JotlingCreatedDate</key>"
                          "<date>2026-01-01T10:00:00Z</date><key>JotlingChecked</key><false/></dict>";

INSTANTIATE_TEST_SUITE_P(
    Files, HandEditedPreferencesTest,
    ::testing::Values(HandEdit{"ListIsAString", "<key>allRedizado</key><string>milk</string>", 0, 0},
                      HandEdit{"ItemsMissingKeys", "<key>allRedizado</key><array><dict/></array>", 1, 1},
                      HandEdit{"WrongTypedValuesAndCount",
                               "<key>toDoCountKey</key><real>1e300</real><key>allRedizado</key><array><dict>"
                               "<key>JotlingTitle</key><integer>7</integer><key>JotlingCreatedDate</key>"
                               "<string>yesterday</string><key>JotlingChecked</key><string>YES</string></dict>" +
                                   kItem + "</array>",
                               2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
