// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopoverPresenter.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoBackgroundView.h"
#include "JLRedizadoTableViewCell.h"
#include "ScreenCoordinates.h"
#include "ShellFixture.h"
#include "StoredItems.h"

#include <QPushButton>

namespace {
// The popover variant of the whole interface over in-memory services.
class PopoverPresenterTest : public ShellTest {
protected:
    void SetUp() override {
        startInterface(MainInterface::Variant::Popover);
        for (const char* name : {notifications::popoverWillBecomeVisible, notifications::popoverVisible})
            center.addObserver(name, nullptr, [this](const NotificationCenter::Notification& n) {
                hooks.emplace_back(n.name, popup()->isVisible());
            });
    }
    PopoverPresenter& presenter() { return dynamic_cast<PopoverPresenter&>(interface->listPresenter()); }
    QWidget* popup() { return presenter().window(); }
    JLPopoverViewController& list() { return presenter().list(); }

    // Each popover notification, and whether the pop-up was on screen when it went out.
    std::vector<std::pair<std::string, bool>> hooks;
};
} // namespace

TEST_F(PopoverPresenterTest, TheTrayClickShowsItBetweenTheTwoHooksAndItClosesByEntryClickOutsideOrEscape) {
    defaults.setBool(keys::hideAfterEntry, true);
    workspace.frontmost = 42;
    statusItem.click();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(popup()->windowTitle(), QStringLiteral("Redizado")) << "as window lists and screen readers name it";
    using Hook = std::pair<std::string, bool>;
    EXPECT_EQ(hooks, (std::vector<Hook>{{notifications::popoverWillBecomeVisible, false},
                                        {notifications::popoverVisible, true}}));
    EXPECT_TRUE(showsAlternateIcon());

    typeAndReturn(list().jotlingField(), QStringLiteral("bread"));
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_FALSE(showsAlternateIcon());
    EXPECT_EQ(workspace.activated, std::vector<Workspace::Application>{42});
    // Closed by the list, not by a click elsewhere: the next click opens it again.
    statusItem.click();
    EXPECT_TRUE(popup()->isVisible());
    // A click outside closes it, and that click on the icon does not reopen it; the clicks after it toggle it.
    QTest::mouseClick(popup(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(workspace.activated, (std::vector<Workspace::Application>{42, 42}));
    for (const bool shown : {false, true, false, true}) {
        statusItem.click();
        EXPECT_EQ(popup()->isVisible(), shown);
    }
    QTest::keyClick(list().jotlingField(), Qt::Key_Escape);
    EXPECT_FALSE(popup()->isVisible());
    // Rebuilt, or at quit: a dismiss notice that comes after must not reach the presenter that is gone.
    interface.reset();
    center.postNotificationName(notifications::popoverShouldBeDismissed, nullptr);
}

TEST_F(PopoverPresenterTest, ItHangsWholeOnScreenUnderAnIconAtTheTopWithTheArrowOnTheIcon) {
    const QRectF screen = availableFrameOfScreenAt(QPointF(0, 0));
    // Near the right edge: the pop-up is placed at the width its controls need, not at a narrower first guess.
    const QRect icon(int(screen.right()) - 24, 0, 22, 22);
    statusItem.shownAt = icon;
    // Controls wider than the pop-up's own first size, as a wide font gives them.
    list().view()->setMinimumWidth(480);
    statusItem.click();
    const QRectF frame = windowFrame(*popup());
    const QRectF iconFrame = toBottomLeft(QRectF(icon));
    EXPECT_TRUE(screen.contains(frame));
    EXPECT_GE(frame.width(), popup()->minimumSizeHint().width());
    EXPECT_EQ(frame.top() + frame.height(), std::min(iconFrame.y(), screen.bottom()));
    EXPECT_EQ(presenter().backgroundView()->arrowEdge(), ArrowEdge::Top);
    // As near the icon as the edge goes before its rounded corner.
    EXPECT_EQ(frame.x() + presenter().backgroundView()->arrowX(), std::min(icon.x() + 11.0, frame.right() - 26));
}

// The panel still opens from the tray's menu; neither list writes a stale copy over the other's items. The sync
// merges the manager's list, so what the popover saves is there at once, as a change made here.
TEST_F(PopoverPresenterTest, ThePanelAndThePopoverSeeEachOthersItems) {
    int changesMadeHere = 0;
    manager.setChangedHereHandler([&] { ++changesMadeHere; });
    statusItem.click();
    typeAndReturn(list().jotlingField(), QStringLiteral("from the popover"));
    EXPECT_EQ(changesMadeHere, 1);
    presenter().hide();
    controller().showRedizadoView();
    typeAndReturn(panel().entryField(), QStringLiteral("from the panel"));
    controller().hideRedizadoView();
    statusItem.click();
    typeAndReturn(list().jotlingField(), QStringLiteral("popover again"));
    EXPECT_EQ(storedTitles(defaults),
              (std::vector<std::string>{"popover again", "from the panel", "from the popover", "Welcome"}));

    // The panel reads the store as it shows, not at every event after: moved while a title is being renamed, it
    // keeps the rename going.
    controller().showRedizadoView();
    panel().editButton()->click();
    const auto firstTitle = [&] {
        return qobject_cast<JLRedizadoTableViewCell*>(panel().redizadoTableView()->viewAtRow(0, false))->titleLabel();
    };
    JLTextField* title = firstTitle();
    title->setFocus();
    title->moveCursor(QTextCursor::End);
    QTest::keyClicks(title, QStringLiteral(" now"));
    panel().view()->window()->move(40, 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(firstTitle(), title);
    EXPECT_EQ(title->toPlainText().toStdString(), "popover again now");
}
