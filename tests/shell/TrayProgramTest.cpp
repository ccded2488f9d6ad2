// SPDX-License-Identifier: GPL-3.0-or-later
// The tray program as main puts it together, on the offscreen platform: the process-wide store and item manager
// make this one test per process.
#include "TrayProgram.h"
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLTableView.h"
#include "MemoryAllDesktops.h"
#include "PreferencesKeys.h"
#include "QtWorkspace.h"
#include "StoredItems.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

using namespace plist_value;

TEST(TrayProgramTest, FollowsTheFileAndSaysWhatToBindWhereNothingCanBeGrabbed) {
    TempFolder temp;
    const std::string path = temp.path() + "/config/redizado/defaults.plist";
    auto store = std::make_unique<FileUserDefaults>(path);
    FileUserDefaults& defaults = *store;
    UserDefaults::setStandardUserDefaults(std::move(store));
    SingleInstance instance(QString::fromStdString(temp.path()));
    ASSERT_TRUE(instance.tryLock());

    TrayProgram::Desktop desktop{std::make_unique<QtWorkspace>(), std::make_unique<MemoryAllDesktops>(), nullptr, false,
                                 nullptr};
    TrayProgram program(std::move(desktop), defaults, instance);
    JLRedizadoViewController& panel = program.interface().redizadoViewController();
    JLJotlingManager& manager = JLJotlingManager::sharedManager();

    const auto* note = panel.settingsPane()->findChild<QLabel*>(QStringLiteral("shortcutNoteLabel"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains(QLatin1String("redizado toggle")));

    // Someone else writes the file, as a second copy of the program or a restored backup would.
    {
        FileUserDefaults other(path);
        other.setObject(keys::allRedizado, Array{storedItem("written elsewhere")});
        other.setBool(keys::shortcutKey, true);
        ASSERT_TRUE(other.synchronize());
    }
    EXPECT_TRUE(waitUntil([&] { return manager.todoRedizado().size() == 1; }));
    // The shortcut switched on by hand is switched on as from the settings pane.
    EXPECT_TRUE(panel.shortcutCheckBox()->isChecked());
    EXPECT_EQ(panel.redizadoTableView()->numberOfRows(), 1);
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
}
