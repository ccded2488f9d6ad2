// SPDX-License-Identifier: GPL-3.0-or-later
// The tray program as main puts it together, on the offscreen platform. Its start leaves the panel to its first show:
// what the start owes the user happens without it. The process-wide store and item manager make this one test per
// process.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLTableView.h"
#include "MemoryAllDesktops.h"
#include "MemoryHotKeyService.h"
#include "PreferencesKeys.h"
#include "QtWorkspace.h"
#include "StoredItems.h"
#include "TempFolder.h"
#include "TrayProgram.h"
#include "WaitUntil.h"

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

using namespace plist_value;

TEST(TrayProgramStartTest, BeforeThePanelIsMadeTheShortcutSwitchedInTheFileIsRegisteredAndThePanelMadeLaterShowsIt) {
    TempFolder temp;
    const std::string path = temp.path() + "/config/redizado/defaults.plist";
    auto store = std::make_unique<FileUserDefaults>(path);
    FileUserDefaults& defaults = *store;
    UserDefaults::setStandardUserDefaults(std::move(store));
    SingleInstance instance(QString::fromStdString(temp.path()));
    ASSERT_TRUE(instance.tryLock());
    auto hotKeys = std::make_unique<MemoryHotKeyService>();
    hotKeys->setRoute(HotKeyService::Route::grab);
    MemoryHotKeyService& service = *hotKeys;

    TrayProgram program(TrayProgram::Desktop{std::make_unique<QtWorkspace>(), std::make_unique<MemoryAllDesktops>(),
                                             nullptr, false, std::move(hotKeys)},
                        defaults, instance);
    ASSERT_EQ(program.interface().madeRedizadoViewController(), nullptr);
    EXPECT_TRUE(service.registrations().empty());

    // Someone else writes the file, as a second copy of the program or a restored backup would.
    {
        FileUserDefaults other(path);
        other.setObject(keys::allRedizado, Array{storedItem("written elsewhere")});
        other.setBool(keys::shortcutKey, true);
        ASSERT_TRUE(other.synchronize());
    }
    EXPECT_TRUE(waitUntil([&] { return service.registrations().size() == 1; }));
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
    EXPECT_EQ(program.interface().madeRedizadoViewController(), nullptr);

    // Made now, the panel shows what the file says, and the shortcut's note hangs in its settings pane.
    JLRedizadoViewController& panel = program.interface().redizadoViewController();
    EXPECT_TRUE(panel.shortcutCheckBox()->isChecked());
    program.interface().statusItemController().showRedizadoView();
    EXPECT_EQ(panel.redizadoTableView()->numberOfRows(), 1);
    EXPECT_NE(panel.settingsPane()->findChild<QLabel*>(QStringLiteral("shortcutNoteLabel")), nullptr);
}
