// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "PanelUndo.h"

#include <QSignalSpy>

using Strings = std::vector<std::string>;
using Animation = JLTableView::Animation;

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
    PanelUndo& undo() { return controller.panelUndo(); }
    std::int64_t count() const { return defaults.integerForKey(keys::toDoCountKey); }
    // What the table shows must be what the current list holds.
    void expectTableShowsTheList() {
        EXPECT_EQ(shownTitles(), titles(GetParam() == 0));
        EXPECT_EQ(controller.redizadoTableView()->numberOfRows(),
                  static_cast<std::int64_t>(titles(GetParam() == 0).size()));
    }

    int posts = 0;
    NotificationCenter::ObserverId observer =
        center.addObserver(notifications::toDoCountChanged, nullptr, [this](auto&) { ++posts; });
};
} // namespace

TEST_P(PanelUndoTest, ARemovalComesBackAsTheSameItemInItsPlace) {
    const auto c = manager.redizado()[1];
    const auto created = c->dateCreated();
    controller.removeEntryAtIndex(1);
    ASSERT_EQ(titles(false), (Strings{"d", "b", "a"}));
    QSignalSpy inserted(controller.redizadoTableView(), &JLTableView::rowInserted);
    undo().undo();
    EXPECT_EQ(titles(false), (Strings{"d", "c", "b", "a"}));
    EXPECT_EQ(manager.redizado()[1], c);
    EXPECT_EQ(manager.redizado()[1]->dateCreated(), created);
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(posts, 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(0).toLongLong(), 1);
    expectTableShowsTheList();

    undo().redo();
    EXPECT_EQ(titles(false), (Strings{"d", "b", "a"}));
    EXPECT_EQ(count(), 3);
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ACheckIsTakenBackAndMadeAgain) {
    controller.toggleEntryCompletionAtIndex(2); // "b"
    ASSERT_TRUE(manager.redizado()[2]->completed());
    undo().undo();
    EXPECT_FALSE(manager.redizado()[2]->completed());
    EXPECT_EQ(titles(true), (Strings{"d", "c", "b", "a"}));
    EXPECT_EQ(count(), 4);
    expectTableShowsTheList();
    EXPECT_FALSE(cellAt(2)->checkBox()->isChecked());

    undo().redo();
    EXPECT_TRUE(manager.redizado()[2]->completed());
    EXPECT_EQ(titles(true), (Strings{"d", "c", "a"}));
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(posts, 3);
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ARenameIsTakenBackAndMadeAgainAndReturnWithoutAChangeLeavesNothingToUndo) {
    controller.editButton()->click();
    rename(0, QStringLiteral("d"));
    EXPECT_FALSE(undo().canUndo());
    rename(1, QStringLiteral("c2"));
    ASSERT_EQ(titles(false), (Strings{"d", "c2", "b", "a"}));
    undo().undo();
    EXPECT_EQ(titles(false), (Strings{"d", "c", "b", "a"}));
    EXPECT_EQ(titles(true), (Strings{"d", "c", "b", "a"}));
    EXPECT_EQ(shownTitles()[1], "c");
    EXPECT_EQ(storedTitles(defaults)[1], "c");
    undo().redo();
    EXPECT_EQ(titles(true)[1], "c2");
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, StepsAreTakenBackInTurnAfterAnItemAboveWasRemoved) {
    controller.toggleEntryCompletionAtIndex(2); // "b" checked
    controller.removeEntryAtIndex(0);           // "d", above it
    controller.editButton()->click();
    rename(GetParam() == 0 ? 1 : 2, QStringLiteral("a2"));
    ASSERT_EQ(titles(false), (Strings{"c", "b", "a2"}));
    undo().undo();
    EXPECT_EQ(titles(false), (Strings{"c", "b", "a"}));
    undo().undo();
    EXPECT_EQ(titles(false), (Strings{"d", "c", "b", "a"}));
    undo().undo();
    EXPECT_EQ(titles(true), (Strings{"d", "c", "b", "a"}));
    EXPECT_EQ(count(), 4);
    EXPECT_FALSE(undo().canUndo());
    expectTableShowsTheList();
}

TEST_P(PanelUndoTest, ARemovedItemGoesBackBelowItemsAddedSince) {
    controller.removeEntryAtIndex(2); // "b"
    add({"e", "f"});
    undo().undo();
    EXPECT_EQ(titles(false), (Strings{"f", "e", "d", "c", "b", "a"}));
    expectTableShowsTheList();
}

INSTANTIATE_TEST_SUITE_P(Categories, PanelUndoTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? std::string("ToDo") : std::string("All"); });
