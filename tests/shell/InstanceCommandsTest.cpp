// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"
#include "InMemoryServices.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLSegmentedControl.h"
#include "JLTextField.h"
#include "PopoverPresenter.h"
#include "PreferencesKeys.h"

#include <QSignalSpy>

#include "WaitUntil.h"

#include <gtest/gtest.h>

namespace {
// The running program as later starts reach it, over in-memory services.
class InstanceCommandsTest : public ::testing::Test, protected InMemoryServices {
protected:
    void start(MainInterface::Variant variant = MainInterface::Variant::Panel) {
        defaults.setBool(keys::loadKeyStatus, true);
        defaults.setBool(keys::showToDoCount, true);
        startInterface(variant, "/bin/redizado");
        commands = std::make_unique<InstanceCommands>(*interface, ItemCommands(manager, [] { return false; }));
    }
    CommandReply handle(const QStringList& words) { return commands->handle(words); }
    JLTableView& table() { return *interface->redizadoViewController().redizadoTableView(); }

    std::unique_ptr<InstanceCommands> commands;
};
} // namespace

class AddToOpenPanel : public InstanceCommandsTest, public ::testing::WithParamInterface<int> {};

// In either category the new row comes in on top of the open panel's table.
TEST_P(AddToOpenPanel, PutsTheRowFirstAndCountsIt) {
    start();
    manager.addJotlingWithTitle("older");
    manager.completeEntry(true, 0, true);
    interface->redizadoViewController().categorySwitcher()->setSelectedSegment(GetParam());
    handle({QStringLiteral("start")});
    ASSERT_TRUE(interface->window().isVisible());
    QSignalSpy inserted(&table(), &JLTableView::rowInserted);
    EXPECT_EQ(handle({QStringLiteral("add"), QStringLiteral("newer")}).exitStatus, 0);
    EXPECT_TRUE(inserted.wait(1000));
    EXPECT_EQ(table().numberOfRows(), GetParam() + 1);
    EXPECT_EQ(statusItem.title(), QStringLiteral("1"));
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(table().viewAtRow(0, true));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->titleLabel()->stringValue(), QStringLiteral("newer"));
}

INSTANTIATE_TEST_SUITE_P(Categories, AddToOpenPanel, ::testing::Values(0, 1));

TEST_F(InstanceCommandsTest, ToggleActsAsTheShortcutStartOnlyShowsAndOtherWordsChangeNothing) {
    start();
    EXPECT_EQ(handle({QStringLiteral("add")}).exitStatus, 2);
    EXPECT_TRUE(manager.redizado().empty());
    EXPECT_FALSE(interface->window().isVisible());

    handle({QStringLiteral("toggle")});
    EXPECT_TRUE(interface->window().isVisible());
    handle({QStringLiteral("start")});
    EXPECT_TRUE(interface->window().isVisible());
    handle({QStringLiteral("toggle")});
    EXPECT_FALSE(interface->window().isVisible());
}

TEST_F(InstanceCommandsTest, InThePopoverVariantStartShowsThePopoverAndAddReachesItsOwnList) {
    start(MainInterface::Variant::Popover);
    handle({QStringLiteral("start")});
    EXPECT_TRUE(interface->listPresenter().isShown());
    EXPECT_FALSE(interface->window().isVisible());

    handle({QStringLiteral("add"), QStringLiteral("for the popover")});
    JLTableView& popoverTable = *dynamic_cast<PopoverPresenter&>(interface->listPresenter()).list().redizadoTableView();
    EXPECT_TRUE(waitUntil([&popoverTable] { return popoverTable.numberOfRows() == 1; }));
}
