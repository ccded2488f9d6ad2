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
#include <limits>

// Each file holds one edit inside its top dictionary; the items and the to-do count it still gives.
TEST(HandEditedPreferences, LoadWhatCanBeReadAndCountIt) {
    const std::string item = "<dict><key>JotlingTitle</key><string>A</string><key>JotlingCreatedDate</key>"
                             "<date>2026-01-01T10:00:00Z</date><key>JotlingChecked</key><false/></dict>";
    const struct {
        const char* name;
        std::string body;
        std::size_t items, toDo;
    } edits[] = {{"list is a string", "<key>allRedizado</key><string>milk</string>", 0, 0},
                 {"items missing keys", "<key>allRedizado</key><array><dict/></array>", 1, 1},
                 {"wrong typed values and count",
                  "<key>toDoCountKey</key><real>1e300</real><key>allRedizado</key><array><dict>"
                  "<key>JotlingTitle</key><integer>7</integer><key>JotlingCreatedDate</key>"
                  "<string>yesterday</string><key>JotlingChecked</key><string>YES</string></dict>" +
                      item + "</array>",
                  2, 1}};
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.name);
        TempFolder temp;
        const std::string path = temp.path() + "/defaults.plist";
        std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" << edit.body
                            << "</dict></plist>\n";
        FileUserDefaults defaults(path);
        EXPECT_EQ(defaults.setAsidePath(), "");
        runFirstRunProcedure(defaults);
        NotificationCenter center;
        JLJotlingManager manager(defaults, center);
        EXPECT_EQ(manager.redizado().size(), edit.items);
        EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), static_cast<std::int64_t>(edit.toDo));

        // A change still saves, and what was loaded survives it.
        manager.addJotlingWithTitle("new");
        FileUserDefaults reloaded(path);
        EXPECT_EQ(JLJotlingManager(reloaded, center).redizado().size(), edit.items + 1);
    }
}

// A setting typed by hand in another type reads as meant: "YES", "true" or a number not 0 is on (hide after entry),
// and a number written as text or as a real is that number (the category); a real past what is kept reads as the
// nearest end, text that is no number in range as none.
TEST(HandEditedPreferences, ASettingOfAnotherTypeReadsAsMeant) {
    const struct {
        const char* value;
        bool on;
        std::int64_t number;
    } cases[] = {
        {"<string>YES</string>", true, 0},
        {"<string>true</string>", true, 0},
        {"<string> +1</string>", true, 1},
        {"<string>no</string>", false, 0},
        {"<string>-0</string>", false, 0},
        {"<string>99999999999999999999</string>", true, 0},
        {"<integer>2</integer>", true, 2},
        {"<integer>-1</integer>", true, -1},
        {"<real>0.0</real>", false, 0},
        {"<real>1.9</real>", true, 1},
        {"<real>1e300</real>", true, std::numeric_limits<std::int64_t>::max()},
        {"<real>-1e300</real>", true, std::numeric_limits<std::int64_t>::min()},
        {"<real>inf</real>", true, 0},
        {"<true/>", true, 1},
        {"<date>2026-01-01T10:00:00Z</date>", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TempFolder temp;
        const std::string path = temp.path() + "/defaults.plist";
        std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                            << "<key>hideAfterEntry</key>" << c.value << "<key>switcherKey</key>" << c.value
                            << "</dict></plist>\n";
        FileUserDefaults defaults(path);
        EXPECT_EQ(defaults.boolForKey(keys::hideAfterEntry), c.on);
        EXPECT_EQ(defaults.integerForKey(keys::switcherKey), c.number);
    }
}
