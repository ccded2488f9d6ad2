// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"
#include "InMemoryServices.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "PanelDriver.h"
#include "PopoverPresenter.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

namespace {
// The running program as later starts reach it, over in-memory services.
class InstanceCommandsTest : public ::testing::Test, protected InMemoryServices {
protected:
    void start(MainInterface::Variant variant) {
        defaults.setBool(keys::loadKeyStatus, true);
        manager.addJotlingWithTitle("older");
        startInterface(variant);
        commands = std::make_unique<InstanceCommands>(*interface, ItemCommands(manager, [] { return false; }));
    }
    CommandReply handle(const QStringList& words) { return commands->handle(words); }

    std::unique_ptr<InstanceCommands> commands;
};

TEST_F(InstanceCommandsTest, ToggleActsAsTheShortcutStartOnlyShowsAndAddPutsTheRowOnTopOfTheOpenPanel) {
    start(MainInterface::Variant::Panel);
    EXPECT_EQ(handle({QStringLiteral("add")}).exitStatus, 2);
    EXPECT_EQ(manager.redizado().size(), 1u);
    handle({QStringLiteral("toggle")});
    EXPECT_TRUE(interface->window().isVisible());
    handle({QStringLiteral("start")});
    EXPECT_TRUE(interface->window().isVisible());

    EXPECT_EQ(handle({QStringLiteral("add"), QStringLiteral("newer")}).exitStatus, 0);
    JLTableView* table = interface->redizadoViewController().redizadoTableView();
    EXPECT_TRUE(waitUntil([&] { return shownTitles(table) == std::vector<std::string>{"newer", "older"}; }));
    handle({QStringLiteral("toggle")});
    EXPECT_FALSE(interface->window().isVisible());
}

TEST_F(InstanceCommandsTest, InThePopoverVariantStartShowsThePopoverAndAddReachesItsOwnList) {
    start(MainInterface::Variant::Popover);
    handle({QStringLiteral("start")});
    EXPECT_TRUE(interface->listPresenter().isShown());
    EXPECT_FALSE(interface->window().isVisible());

    handle({QStringLiteral("add"), QStringLiteral("for the popover")});
    JLTableView* table = dynamic_cast<PopoverPresenter&>(interface->listPresenter()).list().redizadoTableView();
    EXPECT_TRUE(waitUntil([table] { return table->numberOfRows() == 2; }));
}
} // namespace
