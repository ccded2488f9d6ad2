// SPDX-License-Identifier: GPL-3.0-or-later
#include "InMemoryServices.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "PanelDriver.h"
#include "PreferencesKeys.h"
#include "WaitUntil.h"

#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {
// The whole panel interface over in-memory services; each test starts it once the store is as it wants.
class StatusItemControllerTest : public ::testing::Test, protected InMemoryServices {
protected:
    void start() { startInterface(MainInterface::Variant::Panel, "/opt/Redizado Tools/bin/redizado"); }
    JLStatusItemController& controller() { return interface->statusItemController(); }
    JLRedizadoWindow& window() { return interface->window(); }
    JLRedizadoViewController& panel() { return interface->redizadoViewController(); }
    bool showsAlternateIcon() const { return !statusItem.isTemplate(); }
};
} // namespace

// Under XWayland or on Wayland the pointer's place is the last one seen over our own windows, not the click's.
TEST_F(StatusItemControllerTest, WithoutTheIconsPlaceOrAFreshPointerThePanelHangsInTheTopRightCorner) {
    pointerReadable = false;
    start();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(area.topLeft() + QPoint(10, 10));
    EXPECT_GT(controller().anchorPoint().x(), area.center().x());
}

TEST_F(StatusItemControllerTest, TheTitleIsTheStoredCountWhileTheCountShows) {
    defaults.setBool(keys::loadKeyStatus, true);
    defaults.setBool(keys::showToDoCount, false);
    start();
    EXPECT_EQ(statusItem.title(), QString());
    controller().setShowToDoCount(true);
    typeAndReturn(panel().entryField(), QStringLiteral("one more"));
    EXPECT_EQ(statusItem.title(), QStringLiteral("1"));
    controller().setShowToDoCount(false);
    EXPECT_EQ(statusItem.title(), QString());
    EXPECT_FALSE(defaults.boolForKey(keys::showToDoCount));
}

TEST_F(StatusItemControllerTest, AClickShowsAndAnotherHidesHandingTheFocusBackOnce) {
    start();
    workspace.setFrontmostApplication(42);
    statusItem.click();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(showsAlternateIcon());
    controller().toggleRedizadoView();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(showsAlternateIcon());
    EXPECT_EQ(workspace.activated(), std::vector<Workspace::Application>{42});
}

// A tool tip from the pointer resting on the icon would cover the panel's entry field.
TEST_F(StatusItemControllerTest, WhileThePanelShowsTheIconOffersNoToolTipAndOneShowingGoes) {
    start();
    QToolTip::showText(QPoint(10, 10), QStringLiteral("Redizado"));
    ASSERT_TRUE(QToolTip::isVisible());
    statusItem.click();
    EXPECT_FALSE(statusItem.toolTipOffered());
    // Well before the tool tip's own time is up.
    EXPECT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }, 2000));
    controller().toggleRedizadoView();
    EXPECT_TRUE(statusItem.toolTipOffered());
}

TEST_F(StatusItemControllerTest, ADesktopSwitchForgetsTheAppAndTheClickThatTookTheFocusDoesNotReopenThePanel) {
    start();
    workspace.setFrontmostApplication(7);
    controller().showRedizadoView();
    workspace.switchDesktop();
    controller().hideRedizadoView();
    EXPECT_TRUE(workspace.activated().empty());

    controller().showRedizadoView();
    controller().windowDidResignKey();
    ASSERT_FALSE(window().isVisible());
    statusItem.click();
    EXPECT_FALSE(window().isVisible());
    statusItem.click();
    EXPECT_TRUE(window().isVisible());
}

TEST_F(StatusItemControllerTest, TheIconChoiceIsStoredOnceApplied) {
    start();
    controller().setIconAlternate(true);
    EXPECT_TRUE(defaults.boolForKey(keys::squareIcon));
    EXPECT_TRUE(showsAlternateIcon());
}

TEST_F(StatusItemControllerTest, TheShortcutTogglesThePanelWhileSwitchedOn) {
    start();
    controller().setShortcut(true);
    ASSERT_EQ(hotKeys.registrations().size(), 1u);
    EXPECT_TRUE(defaults.boolForKey(keys::shortcutKey));
    hotKeys.release(JLHotKeyManager::hotKeyId);
    EXPECT_TRUE(window().isVisible());
    hotKeys.release(JLHotKeyManager::hotKeyId);
    EXPECT_FALSE(window().isVisible());
    controller().setShortcut(false);
    EXPECT_TRUE(hotKeys.registrations().empty());
}

TEST_F(StatusItemControllerTest, StartingAtLoginAddsAndRemovesOnlyOurEntriesAndTheChoiceIsStoredEvenWhenItFails) {
    start();
    loginItems.add(std::string("/usr/bin/other"));
    controller().setLaunchAppAtLogin(true);
    controller().setLaunchAppAtLogin(false);
    ASSERT_EQ(loginItems.entries().size(), 1u);
    EXPECT_EQ(loginItems.entries()[0].program, std::optional<std::string>("/usr/bin/other"));
    loginItems.setFailing(true);
    controller().setLaunchAppAtLogin(true);
    EXPECT_TRUE(defaults.boolForKey(keys::launchAtLogin));
}
