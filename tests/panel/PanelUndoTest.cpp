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

// A check, a removal above it and a rename are taken back in turn; Return on an unchanged title is no step.
TEST_P(PanelUndoTest, StepsAreTakenBackInTurnAfterAnItemAboveWasRemoved) {
    panel->toggleEntryCompletionAtIndex(2); // "b" checked
    panel->removeEntryAtIndex(0);           // "d", above it
    widgets().editButton->click();
    const std::int64_t a = GetParam() == 0 ? 1 : 2;
    rename(a, QStringLiteral("a"));
    rename(a, QStringLiteral("a2"));
    ASSERT_EQ(stored(), "c b* a2");
    for (const char* before : {"c b* a", "d c b* a", "d c b a"}) {
        undo().undo();
        EXPECT_EQ(stored(), before);
    }
    EXPECT_EQ(count(), 4);
    EXPECT_FALSE(undo().canUndo());
    expectTableShowsTheList();
    EXPECT_FALSE(cellAt(2)->checkBox()->isChecked());
}

// The removed item itself comes back, below items added since, and the count is told; redo takes it again.
TEST_P(PanelUndoTest, ARemovedItemComesBackBelowItemsAddedSinceAndGoesAgain) {
    const auto b = manager->redizado()[2];
    panel->removeEntryAtIndex(2);
    add({"e", "f"});
    posts = 0;
    undo().undo();
    EXPECT_EQ(stored(), "f e d c b a");
    EXPECT_EQ(manager->redizado()[4], b);
    EXPECT_EQ(posts, 1);
    expectTableShowsTheList();
    undo().redo();
    EXPECT_EQ(stored(), "f e d c a");
}

INSTANTIATE_TEST_SUITE_P(Categories, PanelUndoTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? std::string("ToDo") : std::string("All"); });
