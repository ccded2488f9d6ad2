// SPDX-License-Identifier: GPL-3.0-or-later
#include "InMemoryServices.h"
#include "InstanceCommands.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "MainInterface.h"
#include "NotificationCenter.h"
#include "PopoverPresenter.h"
#include "memory/MemoryHotKeyService.h"
#include "memory/MemoryLoginItems.h"
#include "memory/MemoryStatusItem.h"
#include "memory/MemoryUserDefaults.h"
#include "memory/MemoryWorkspace.h"
#include "shortcut/JLHotKeyManager.h"
#include "store/JLJotlingManager.h"
#include "store/PreferencesKeys.h"
#include "widgets/JLSegmentedControl.h"
#include "widgets/JLTextField.h"
#include "widgets/memory/MemoryAllDesktops.h"

#include <QSignalSpy>

#include "tests/WaitUntil.h"

#include <gtest/gtest.h>

namespace {
// The running program as later starts reach it, over in-memory services.
class InstanceCommandsTest : public ::testing::Test, protected InMemoryServices {
protected:
    virtual MainInterface::Variant variant() const { return MainInterface::Variant::Panel; }
    void SetUp() override
    {
        defaults.setBool(keys::loadKeyStatus, true);
        defaults.setBool(keys::showToDoCount, true);
        interface = std::make_unique<MainInterface>(
            JLStatusItemController::Services{defaults, center, statusItem, workspace, loginItems,
                                             [this]() -> JLHotKeyManager & { return hotKeyManager; }, "/bin/redizado"},
            desktops, &manager, variant());
        commands = std::make_unique<InstanceCommands>(*interface, ItemCommands(manager, [] { return false; }));
    }
    JLTableView &table() { return *interface->redizadoViewController().redizadoTableView(); }
    QStringList words(std::initializer_list<const char *> list)
    {
        QStringList out;
        for (const char *word : list)
            out << QString::fromUtf8(word);
        return out;
    }

    std::unique_ptr<InstanceCommands> commands;
};
class PopoverInstanceCommandsTest : public InstanceCommandsTest {
protected:
    MainInterface::Variant variant() const override { return MainInterface::Variant::Popover; }
};
} // namespace

TEST_F(InstanceCommandsTest, AddShowsInTheOpenPanelAndTheIconsCount)
{
    commands->handle(words({"start"}));
    ASSERT_TRUE(interface->window().isVisible());
    QSignalSpy inserted(&table(), &JLTableView::rowInserted);

    const CommandReply reply = commands->handle(words({"add", "from the terminal"}));

    EXPECT_EQ(reply.exitStatus, 0);
    EXPECT_EQ(manager.redizado().size(), 1u);
    EXPECT_TRUE(inserted.wait(1000));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(table().numberOfRows(), 1);
    EXPECT_EQ(statusItem.title(), QStringLiteral("1"));
    auto *cell = qobject_cast<JLRedizadoTableViewCell *>(table().viewAtRow(0, true));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->titleLabel()->stringValue(), QStringLiteral("from the terminal"));
}

TEST_F(InstanceCommandsTest, AddWhileTheAllCategoryShowsPutsTheRowFirstThere)
{
    manager.addJotlingWithTitle("older");
    manager.completeEntry(true, 0, true);
    interface->redizadoViewController().categorySwitcher()->setSelectedSegment(1);
    commands->handle(words({"start"}));
    QSignalSpy inserted(&table(), &JLTableView::rowInserted);
    commands->handle(words({"add", "newer"}));
    EXPECT_TRUE(inserted.wait(1000));
    EXPECT_EQ(table().numberOfRows(), 2);
    EXPECT_EQ(interface->redizadoViewController().jotlingAtIndex(0)->title(), std::optional<std::string>("newer"));
}

TEST_F(InstanceCommandsTest, ToggleActsAsTheShortcutAndStartOnlyShows)
{
    commands->handle(words({"toggle"}));
    EXPECT_TRUE(interface->window().isVisible());
    commands->handle(words({"start"}));
    EXPECT_TRUE(interface->window().isVisible());
    commands->handle(words({"toggle"}));
    EXPECT_FALSE(interface->window().isVisible());
}

TEST_F(InstanceCommandsTest, WordsThatAreNoCommandChangeNothing)
{
    const CommandReply reply = commands->handle(words({"add"}));
    EXPECT_EQ(reply.exitStatus, 2);
    EXPECT_TRUE(manager.redizado().empty());
    EXPECT_FALSE(interface->window().isVisible());
}

TEST_F(PopoverInstanceCommandsTest, StartShowsThePopoverAndAddReachesItsOwnList)
{
    commands->handle(words({"start"}));
    EXPECT_TRUE(interface->popoverPresenter()->isShown());
    EXPECT_FALSE(interface->window().isVisible());

    commands->handle(words({"add", "for the popover"}));
    JLTableView &popoverTable = *interface->popoverViewController()->redizadoTableView();
    EXPECT_TRUE(waitUntil([&popoverTable] { return popoverTable.numberOfRows() == 1; }));
}
