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

// A row's check box and remove button take no focus from a click: the typing in the entry field stays.
TEST_F(PanelAccessTest, ClickingARowsButtonsLeavesTheTypingInTheEntryField) {
    storeItems({storedItem("b"), storedItem("a")}); // rows in place, not sliding in
    startPanel();
    activate();
    widgets().entryField->setFocus();
    widgets().entryField->setText(QStringLiteral("typed"));
    const auto click = [this](QWidget* widget) {
        QTest::mouseClick(view()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(view(), widget->rect().center()));
    };
    widgets().editButton->click();
    click(cellAt(1)->removeButton());
    widgets().editButton->click();
    click(cellAt(0)->checkBox());
    EXPECT_EQ(stored(), "b*");
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
    EXPECT_EQ(widgets().entryField->text(), QStringLiteral("typed"));
}

// What the panel does not show, a screen reader does not find either.
TEST_F(PanelAccessTest, HiddenControlsAreInvisibleToAssistiveTechnology) {
    add({"a"});
    const auto invisible = [](QWidget* widget) { return accessible(widget)->state().invisible; };
    EXPECT_TRUE(invisible(cellAt(0)->removeButton()));
    EXPECT_TRUE(invisible(panel->settingsPane()));
    widgets().editButton->click();
    EXPECT_TRUE(invisible(cellAt(0)->checkBox()));
    EXPECT_FALSE(invisible(cellAt(0)->removeButton()));
    widgets().editButton->click();
    widgets().settingsButton->click();
    EXPECT_TRUE(invisible(panel->shortcutView()));
}
} // namespace
