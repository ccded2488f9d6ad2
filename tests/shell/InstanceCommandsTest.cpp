// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceCommands.h"
#include "JLPopoverViewController.h"
#include "MemorySyncControl.h"
#include "PopoverPresenter.h"
#include "ShellFixture.h"
#include "SyncCommands.h"

namespace {
// The running program as later starts reach it, over in-memory services.
class InstanceCommandsTest : public ShellTest {
protected:
    void start(MainInterface::Variant variant, SyncControl* sync = nullptr) {
        defaults.setBool(keys::loadKeyStatus, true);
        manager.addJotlingWithTitle("older");
        startInterface(variant);
        commands = std::make_unique<InstanceCommands>(*interface, ItemCommands(manager, [] { return false; }), sync);
    }
    CommandReply handle(const QStringList& words) { return commands->handle(words); }
    // Through the answer given later; nothing while none came.
    std::optional<CommandReply> handleLater(const QStringList& words) {
        std::optional<CommandReply> reply;
        commands->handle(words, [&reply](const CommandReply& answer) { reply = answer; });
        waitUntil([&reply] { return reply.has_value(); });
        return reply;
    }

    std::unique_ptr<InstanceCommands> commands;
};

TEST_F(InstanceCommandsTest, InThePopoverVariantStartShowsThePopoverAndAddReachesItsOwnList) {
    start(MainInterface::Variant::Popover);
    handle({QStringLiteral("start")});
    EXPECT_TRUE(interface->listPresenter().isShown());
    EXPECT_FALSE(window().isVisible());
    // What a compositor's key binding runs.
    handle({QStringLiteral("toggle")});
    EXPECT_FALSE(interface->listPresenter().isShown());
    handle({QStringLiteral("toggle")});
    EXPECT_TRUE(interface->listPresenter().isShown());

    handle({QStringLiteral("add"), QStringLiteral("for the popover")});
    JLTableView* table = dynamic_cast<PopoverPresenter&>(interface->listPresenter()).list().redizadoTableView();
    EXPECT_TRUE(waitUntil([table] { return table->numberOfRows() == 2; }));
    // Without a sync, even a caller that waits is told it is not there.
    EXPECT_EQ(handleLater({QStringLiteral("sync"), QStringLiteral("--status")})->exitStatus, sync_status::refused);
}

TEST_F(InstanceCommandsTest, AnItemAddedWhileThePanelIsOpenShowsInIt) {
    start(MainInterface::Variant::Panel);
    handle({QStringLiteral("start")});
    handle({QStringLiteral("add"), QStringLiteral("from the terminal")});
    JLTableView* table = panel().redizadoTableView();
    EXPECT_TRUE(waitUntil([table] { return table->numberOfRows() == 2; }));
}

TEST_F(InstanceCommandsTest, ASyncIsAnsweredOnceTheSyncHasBeen) {
    MemorySyncControl sync;
    sync.kept = SyncControl::Account{QUrl(QStringLiteral("https://dav.example.org/")), QStringLiteral("al"), false};
    sync.nextReport.summary.addedHere = 1;
    start(MainInterface::Variant::Panel, &sync);
    const auto reply = handleLater({QStringLiteral("sync")});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->output, QStringLiteral("1 added here\n"));
    EXPECT_EQ(sync.syncs, 1);
    // A caller that cannot wait is told so, and nothing is started.
    EXPECT_EQ(handle({QStringLiteral("sync")}).exitStatus, sync_status::refused);
    EXPECT_EQ(sync.syncs, 1);
}
} // namespace
