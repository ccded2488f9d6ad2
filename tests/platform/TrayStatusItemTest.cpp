// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayStatusItem.h"
#include "FakeSystemTrayHost.h"
#include "FileContents.h"
#include "KeptIconPlace.h"
#include "TempFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QIcon squareIcon() {
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(4, 4, 14, 14), Qt::black);
    return QIcon(QPixmap::fromImage(image));
}

QImage drawn(const TrayStatusItem& item) {
    return item.iconWidget()->icon().pixmap(QSize(22, 22), 1.0).toImage();
}

void click(TrayStatusItem& item, Qt::MouseButton button, QPoint at = QPoint(5, 5)) {
    QTest::mouseClick(item.iconWidget(), button, Qt::NoModifier, at);
}

// An icon in a running tray.
class TrayStatusItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        tray.running = true;
        item = std::make_unique<TrayStatusItem>(tray);
        QCoreApplication::processEvents();
    }
    FakeSystemTrayHost tray;
    std::unique_ptr<TrayStatusItem> item;
};

// The program's palette says nothing of the bar's colour: its dark text colour must not make the glyph dark.
TEST_F(TrayStatusItemTest, TheHiddenGlyphIgnoresThePaletteAndFollowsTheTraysToneBeforeTheDesktops) {
    ASSERT_LT(QGuiApplication::palette().color(QPalette::WindowText).lightness(), 40);
    item->setImage(squareIcon(), true);
    EXPECT_EQ(drawn(*item).pixelColor(8, 8), QColor(Qt::white));
    item->setBarTone(BarTone::Light);
    EXPECT_LT(drawn(*item).pixelColor(8, 8).lightness(), 40);
    tray.setTone(BarTone::Dark);
    EXPECT_EQ(drawn(*item).pixelColor(8, 8), QColor(Qt::white));
}

// Without a notification service the message is a window of its own, its words shown as they are, gone once closed.
TEST_F(TrayStatusItemTest, AMessageShowsAsAPlainTextWindowThatGoesWhenClosed) {
    item->showMessage(QStringLiteral("Not saved"), QStringLiteral("<b>disk</b> full"));
    QPointer<QMessageBox> box;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<QMessageBox*>(window); found && found->isVisible())
            box = found;
    ASSERT_TRUE(box);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Not saved"));
    EXPECT_EQ(box->text(), QStringLiteral("<b>disk</b> full"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_FALSE(box->isModal()) << "the panel and the tray still answer";
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box);
}

// At login the tray may start after the program; a desktop may restart or replace it while the program runs.
TEST(TrayStatusItem, TheIconIsDockedInEachTrayThatStartsInAFreshWindowWithWhatItShowed) {
    FakeSystemTrayHost tray;
    TrayStatusItem item(tray);
    QCoreApplication::processEvents();
    item.setImage(squareIcon(), true);
    item.setTitle("3");
    item.setToolTip("Redizado");
    EXPECT_FALSE(item.isAvailable());

    tray.setRunning(true);
    ASSERT_EQ(tray.docked.size(), 1u);
    EXPECT_TRUE(item.iconWidget()->isVisible());
    const QImage first = drawn(item);
    item.setTitle("");
    EXPECT_NE(drawn(item), first) << "the count is drawn into the icon";
    item.setTitle("3");

    tray.setRunning(false);
    EXPECT_TRUE(tray.docked[0].isNull());
    tray.setRunning(true);
    ASSERT_EQ(tray.docked.size(), 2u);
    EXPECT_EQ(drawn(item), first);
    EXPECT_TRUE(item.iconWidget()->toolTip().startsWith("Redizado"));

    item.setWanted(false);
    EXPECT_EQ(item.iconWidget(), nullptr);
    item.setWanted(true);
    EXPECT_EQ(tray.docked.size(), 3u);
}

// The panel hangs under what shows of the icon; where a tray shows the window nowhere near the click, the click
// itself says where the icon is. A double click arrives as a click, then the second press as a double click: that
// press does not act again.
TEST_F(TrayStatusItemTest,
       TheIconIsWhereItShowsOrWasClickedAndLeftAndMiddleClicksActButNotTheContextClickNorASecondPress) {
    int clicks = 0;
    item->setAction([&] { ++clicks; });
    EXPECT_EQ(item->geometry(), QRect(600, 0, 24, 24));
    EXPECT_EQ(item->statusBarThickness(), 24);

    tray.shownAt = QRect(500, 0, 24, 24);
    item->iconWidget()->move(1000, 2);
    click(*item, Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(item->geometry().value_or(QRect()).center(), QPoint(1010, 12));

    // A tray that moves a window of 128x128 under the pointer before passing the click on: the window holds the
    // click, but it is no icon on any bar.
    tray.shownAt = QRect(1000, 2, 128, 128);
    EXPECT_EQ(item->geometry()->center(), QPoint(1010, 12));
    EXPECT_EQ(item->statusBarThickness(), 22);

    click(*item, Qt::MiddleButton);
    click(*item, Qt::RightButton);
    QTest::mouseDClick(item->iconWidget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);

    // A tray started anew shows the icon elsewhere: the shortcut's panel goes there, not under the old click.
    tray.shownAt = QRect(40, 0, 24, 24);
    tray.setRunning(false);
    tray.setRunning(true);
    EXPECT_EQ(item->geometry(), tray.shownAt);
}

// Written by hand, cut short or from a broken run: none of it may send the panel off somewhere absurd. A state
// folder that cannot be written costs the next start its guess, never this run's place.
TEST(KeptIconPlace, AFileThatIsNotAPlaceGivesNoneAndAnUnwritableFolderKeepsThePlaceForThisRun) {
    TempFolder folder;
    const std::string path = folder.path() + "/icon-place";
    for (const char* text : {"", "1 2 3", "1 2 3 4 5", "a b c d", "1 2 0 22", "1 2 22 -3", "1 2 9999 22",
                             "99999999999 2 22 22", "1.5 2 22 22", "\xff\xfe 2 22 22"}) {
        writeFile(path, text);
        EXPECT_EQ(KeptIconPlace(QString::fromStdString(path)).place(), std::nullopt) << text;
    }
    testing::internal::CaptureStderr();
    KeptIconPlace(QString::fromStdString(path)).keep(QRect(1, 2, 22, 22));
    // A file where the folder should be: no folder can be made there, not even by root.
    KeptIconPlace kept(QString::fromStdString(path + "/icon-place"));
    kept.keep(QRect(10, 10, 22, 22));
    kept.keep(QRect(12, 10, 22, 22));
    const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(kept.place(), QRect(12, 10, 22, 22));
    EXPECT_EQ(said.count(QStringLiteral("could not keep")), 1) << "told once, and only of the failure";
}

} // namespace
