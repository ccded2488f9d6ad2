// SPDX-License-Identifier: GPL-3.0-or-later
// The panel as a screen reader and a keyboard-only user meet it, where the reading on the bus does not reach.
#include "PanelFixture.h"

#include "WaitUntil.h"

#include <QAccessible>
#include <QMessageBox>

namespace {
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

class PanelAccessTest : public KeyboardPanelTest {
protected:
    QAbstractButton* segment(int which) { return widgets().categorySwitcher->segmentButton(which); }
};

TEST_F(PanelAccessTest, TheToDoSegmentShowsTheCountAsItChanges) {
    add({"a", "b", "c"});
    switchTo(1);
    cellAt(0)->checkBox()->click();
    EXPECT_TRUE(waitUntil([this] { return segment(0)->text() == QStringLiteral("To Do (2)"); }))
        << segment(0)->text().toStdString();
}

// Another writer's change reaches no row of the to-do list shown, only the count the store posts.
TEST_F(PanelAccessTest, TheToDoSegmentFollowsTheCountTheStorePostsWithoutATableUpdate) {
    add({"a", "b", "c"});
    manager->completeEntry(true, 0, true);
    EXPECT_EQ(segment(0)->text().toStdString(), "To Do (2)");
}

// Whether the message opened its site is nothing the bus shows.
TEST_F(PanelAccessTest, ReturnClosesTheAboutMessageWithoutOpeningTheSiteAndGivesTheFocusBack) {
    widgets().settingsButton->click();
    panel->aboutButton()->setFocus();
    int sitesOpened = 0;
    panel->setRunModal([](QMessageBox& box) {
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    panel->setOpenUrl([&sitesOpened](const QUrl&) { ++sitesOpened; });
    panel->aboutMessage(nullptr);
    EXPECT_EQ(sitesOpened, 0);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), panel->aboutButton());
}

TEST_F(PanelAccessTest, ClickingARowsCheckBoxLeavesTheTypingInTheEntryField) {
    storeItems({storedItem("a")}); // a row in place, not sliding in
    startPanel();
    activate();
    widgets().entryField->setFocus();
    widgets().entryField->setText(QStringLiteral("typed"));
    QWidget* box = cellAt(0)->checkBox();
    QTest::mouseClick(view()->windowHandle(), Qt::LeftButton, {}, box->mapTo(view(), box->rect().center()));
    EXPECT_EQ(stored(), "a*");
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
}

// What the panel does not show, a screen reader does not find either.
TEST_F(PanelAccessTest, HiddenControlsAreInvisibleToAssistiveTechnology) {
    add({"a"});
    const auto invisible = [](QWidget* widget) { return accessible(widget)->state().invisible; };
    EXPECT_TRUE(invisible(cellAt(0)->removeButton()));
    EXPECT_TRUE(invisible(panel->settingsPane()));
    widgets().editButton->click();
    EXPECT_TRUE(invisible(cellAt(0)->checkBox()));
    widgets().editButton->click();
    widgets().settingsButton->click();
    EXPECT_TRUE(invisible(panel->shortcutView()));
}
} // namespace
