// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeldStatusItem.h"
#include "JLRedizadoBackgroundView.h"
#include "KeptIconPlace.h"
#include "ShellFixture.h"
#include "TempFolder.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace {
class StatusItemControllerTest : public ShellTest {
protected:
    void start() { startInterface(MainInterface::Variant::Panel, "/opt/Redizado Tools/bin/redizado"); }
};
} // namespace

// The icon's count while later starts are answered: held back, then shown once, and never left stale.
TEST(HeldStatusItemTest, AnUnheldTitleShowsAtOnceAndOnesSetWhileHeldShowTheLastOneAfterTheLastRelease) {
    MemoryStatusItem item;
    HeldStatusItem held(item);
    held.setTitle(QStringLiteral("1"));
    EXPECT_EQ(item.title, QStringLiteral("1"));
    held.hold();
    held.hold();
    held.setTitle(QStringLiteral("2"));
    held.setTitle(QStringLiteral("3"));
    held.release();
    held.release();
    EXPECT_EQ(item.title, QStringLiteral("1"));
    held.hold(); // the next command, still being answered, does not hold back the title already due
    EXPECT_TRUE(waitUntil([&] { return item.title == QStringLiteral("3"); }));
    // A release more than was held does not let the next hold's titles through.
    held.release();
    held.release();
    held.hold();
    held.setTitle(QStringLiteral("4"));
    EXPECT_EQ(item.title, QStringLiteral("3"));
    // Its settle time counts from its own release, not from the last title's: the settle does not tick on.
    QTest::qWait(HeldStatusItem::settleTime.count() / 2);
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    held.release();
    ASSERT_TRUE(waitUntil([&] { return item.title == QStringLiteral("4"); }));
    EXPECT_GE(sinceRelease.elapsed(), HeldStatusItem::settleTime.count() * 9 / 10);
}

// Under XWayland or on Wayland the pointer's place is the last one seen over our own windows, not the click's.
TEST_F(StatusItemControllerTest, WithoutTheIconsPlaceOrAFreshPointerThePanelHangsInTheTopRightCorner) {
    pointerReadable = false;
    start();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(area.topLeft() + QPoint(10, 10));
    statusItem.click();
    EXPECT_GT(window().geometry().center().x(), area.center().x());
    EXPECT_LT(window().geometry().center().y(), area.center().y());
}

// The tray told where its icon is at a click in the last run; this run's shortcut comes before any click.
// A click in this run is kept for the next.
TEST_F(StatusItemControllerTest, BeforeAnyClickTheArrowPointsAtTheIconSeenInTheLastRunAndAClickIsKept) {
    TempFolder folder;
    // In a folder made for it.
    const QString path = QString::fromStdString(folder.path()) + QStringLiteral("/state/redizado/icon-place");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect icon(screen.right() - 60, screen.top() + 2, 22, 22);
    KeptIconPlace(path).keep(icon);
    KeptIconPlace kept(path);
    pointerReadable = false;
    start();
    controller().setKeptIconPlace(&kept);
    controller().hotKeyTriggered();
    ASSERT_TRUE(window().isVisible());
    const auto* background = qobject_cast<JLRedizadoBackgroundView*>(window().contentView());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->arrowEdge(), ArrowEdge::Top);
    EXPECT_EQ(window().geometry().x() + background->arrowX(), icon.x() + icon.width() / 2);
    EXPECT_EQ(window().geometry().top(), icon.bottom() + 1);

    // A click tells the icon's place to the next run.
    controller().hideRedizadoView();
    statusItem.shownAt = QRect(700, -4, 22, 24);
    statusItem.click();
    EXPECT_EQ(KeptIconPlace(path).place(), QRect(700, -4, 22, 24));
}

TEST_F(StatusItemControllerTest, TheTitleIsTheStoredCountWhileTheCountShows) {
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::showToDoCount, false);
    start();
    EXPECT_EQ(statusItem.title, QString());
    controller().setShowToDoCount(true);
    typeAndReturn(panel().entryField(), QStringLiteral("one more"));
    EXPECT_EQ(statusItem.title, QStringLiteral("1"));
    controller().setShowToDoCount(false);
    EXPECT_EQ(statusItem.title, QString());
    EXPECT_FALSE(defaults.boolForKey(keys::showToDoCount));

    // Gone, the controller follows the count no more; the store and its notifications outlive it.
    controller().setShowToDoCount(true);
    interface.reset();
    manager.addJotlingWithTitle("added after the interface went");
    EXPECT_EQ(statusItem.title, QStringLiteral("1"));
}

// The alternate icon, chosen, stays after the panel hides. A tool tip from the pointer resting on the icon would
// cover the panel's entry field. A desktop switch forgets the app; the click that took the focus does not reopen.
TEST_F(StatusItemControllerTest, AClickShowsAndAnotherHidesHandingTheFocusBackOnceAndTheIconChoiceIsStored) {
    start();
    workspace.frontmost = 42;
    QToolTip::showText(QPoint(10, 10), QStringLiteral("Redizado"));
    ASSERT_TRUE(QToolTip::isVisible());
    statusItem.click();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(showsAlternateIcon());
    EXPECT_FALSE(statusItem.toolTipOffered);
    // Well before the tool tip's own time is up.
    EXPECT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }, 2000));
    controller().toggleRedizadoView();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(showsAlternateIcon());
    EXPECT_TRUE(statusItem.toolTipOffered);
    EXPECT_EQ(workspace.activated, std::vector<Workspace::Application>{42});
    controller().setIconAlternate(false); // a first start chose the alternate icon
    EXPECT_FALSE(defaults.boolForKey(keys::squareIcon));
    controller().setIconAlternate(true);
    EXPECT_TRUE(defaults.boolForKey(keys::squareIcon));
    EXPECT_TRUE(showsAlternateIcon());

    controller().showRedizadoView();
    workspace.switchDesktop();
    controller().hideRedizadoView();
    EXPECT_EQ(workspace.activated, std::vector<Workspace::Application>{42});

    controller().showRedizadoView();
    QEvent focusGone(QEvent::WindowDeactivate); // a click elsewhere
    QCoreApplication::sendEvent(&window(), &focusGone);
    ASSERT_FALSE(window().isVisible());
    statusItem.click();
    EXPECT_FALSE(window().isVisible());
    statusItem.click();
    EXPECT_TRUE(window().isVisible());
}

// The tray's menu: Settings opens the hidden panel on its settings.
TEST_F(StatusItemControllerTest, TheMenusSettingsOpensThePanelOnItsSettings) {
    start();
    ASSERT_TRUE(statusItem.menu);
    statusItem.menu->actions().at(1)->trigger();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(panel().tableScrollView()->isHidden());
}

// A shortcut's keys went to another program, so the window manager may keep the keyboard there as the panel maps.
// With "hide after entry" set, an item typed and Return hide the panel.
TEST_F(StatusItemControllerTest, TheShortcutTogglesThePanelWhileSwitchedOnAndThePanelAsksForTheKeyboard) {
    start();
    workspace.frontmost = 42;
    controller().setShortcut(true);
    ASSERT_EQ(hotKeys.registrations.size(), 1u);
    EXPECT_TRUE(defaults.boolForKey(keys::shortcutKey));
    hotKeys.release(JLHotKeyManager::hotKeyId);
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(workspace.focusedOwnWindows, std::vector<Workspace::Application>{window().winId()});
    EXPECT_TRUE(workspace.activated.empty());
    // Shown again while it has the keyboard (started again from the menu): typing goes to the entry field.
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    panel().editButton()->setFocus();
    controller().showRedizadoView();
    EXPECT_TRUE(panel().entryField()->hasFocus());
    defaults.setBool(keys::hideAfterEntry, true);
    typeAndReturn(panel().entryField(), QStringLiteral("milk"));
    EXPECT_FALSE(window().isVisible()) << "hidden after the entry, as set";
    hotKeys.release(JLHotKeyManager::hotKeyId);
    ASSERT_TRUE(window().isVisible());
    hotKeys.release(JLHotKeyManager::hotKeyId);
    EXPECT_FALSE(window().isVisible());
    controller().setShortcut(false);
    EXPECT_TRUE(hotKeys.registrations.empty());
}

TEST_F(StatusItemControllerTest, StartingAtLoginAddsAndRemovesOnlyOurEntriesAndTheChoiceIsStoredEvenWhenItFails) {
    start();
    loginItems.add(std::string("/usr/bin/other"));
    controller().setLaunchAppAtLogin(true);
    controller().setLaunchAppAtLogin(false);
    ASSERT_EQ(loginItems.entries().size(), 1u);
    EXPECT_EQ(loginItems.entries()[0].program, std::optional<std::string>("/usr/bin/other"));
    loginItems.failing = true;
    controller().setLaunchAppAtLogin(true);
    EXPECT_TRUE(defaults.boolForKey(keys::launchAtLogin));
}
