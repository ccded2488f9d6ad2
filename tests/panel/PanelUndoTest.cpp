// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "PanelUndo.h"

namespace {
// Undo in either category: the parameter is the switcher's segment.
class PanelUndoTest : public PanelTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        add({"a", "b", "c", "d"});
        switchTo(GetParam());
        posts = 0;
    }
    PanelUndo& undo() { return panel->panelUndo(); }
    // The table shows what the current list holds.
    void expectTableShowsTheList() { EXPECT_EQ(shownTitles(), titles(GetParam() == 0)); }

    int posts = 0;
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) { ++posts; });
};
} // namespace

// Taking a change back slides the row in or out, as the change itself did.
TEST_P(PanelUndoTest, ARemovalComesBackAsTheSameItemAndGoesAgain) {
    const auto d = manager->redizado()[0];
    const auto created = d->dateCreated();
    panel->removeEntryAtIndex(0);
    QSignalSpy inserted(table(), &JLTableView::rowInserted);
    QSignalSpy removed(table(), &JLTableView::rowRemoved);
    undo().undo();
    EXPECT_EQ(stored(), "d c b a");
    EXPECT_EQ(manager->redizado()[0], d);
    EXPECT_EQ(manager->redizado()[0]->dateCreated(), created);
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(posts, 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(0).toLongLong(), 0);
    expectTableShowsTheList();
    undo().redo();
    EXPECT_EQ(stored(), "c b a");
    EXPECT_EQ(count(), 3);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(0).toLongLong(), 0);
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ACheckIsTakenBackAndMadeAgain) {
    panel->toggleEntryCompletionAtIndex(2); // "b"
    undo().undo();
    EXPECT_EQ(stored(), "d c b a");
    EXPECT_EQ(count(), 4);
    expectTableShowsTheList();
    EXPECT_FALSE(cellAt(2)->checkBox()->isChecked());
    undo().redo();
    EXPECT_EQ(stored(), "d c b* a");
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(posts, 3);
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ARenameIsTakenBackAndMadeAgainAndReturnWithoutAChangeLeavesNothingToUndo) {
    widgets().editButton->click();
    rename(0, QStringLiteral("d"));
    EXPECT_FALSE(undo().canUndo());
    rename(1, QStringLiteral("c2"));
    undo().undo();
    EXPECT_EQ(stored(), "d c b a");
    expectTableShowsTheList();
    undo().redo();
    EXPECT_EQ(stored(), "d c2 b a");
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, StepsAreTakenBackInTurnAfterAnItemAboveWasRemoved) {
    panel->toggleEntryCompletionAtIndex(2); // "b" checked
    panel->removeEntryAtIndex(0);           // "d", above it
    widgets().editButton->click();
    rename(GetParam() == 0 ? 1 : 2, QStringLiteral("a2"));
    ASSERT_EQ(stored(), "c b* a2");
    for (const char* before : {"c b* a", "d c b* a", "d c b a"}) {
        undo().undo();
        EXPECT_EQ(stored(), before);
    }
    EXPECT_EQ(count(), 4);
    EXPECT_FALSE(undo().canUndo());
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ARemovedItemGoesBackBelowItemsAddedSince) {
    panel->removeEntryAtIndex(2); // "b"
    add({"e", "f"});
    undo().undo();
    EXPECT_EQ(stored(), "f e d c b a");
    expectTableShowsTheList();
}

INSTANTIATE_TEST_SUITE_P(Categories, PanelUndoTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? std::string("ToDo") : std::string("All"); });
