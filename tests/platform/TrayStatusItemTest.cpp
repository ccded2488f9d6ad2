// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/TrayStatusItem.h"
#include "qt/QtWorkspace.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

TrayStatusItem::TrayWait trayThere() {
    return {[] { return true; }, std::chrono::milliseconds(1), 0};
}

QIcon squareIcon() {
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(4, 4, 14, 14), Qt::black);
    return QIcon(QPixmap::fromImage(image));
}

QColor middleOf(const TrayStatusItem& item) {
    return item.trayIcon().icon().pixmap(QSize(22, 22), 1.0).toImage().pixelColor(8, 8);
}

std::vector<QString> g_trayMessages;
void collectTrayMessages(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (context.category && QByteArrayView(context.category) == "redizado.tray")
        g_trayMessages.push_back(message);
}

TEST(TrayStatusItem, LeftAndMiddleClicksActButNotTheContextClick) {
    TrayStatusItem item(nullptr, trayThere());
    int clicks = 0;
    item.setAction([&] { ++clicks; });
    QSystemTrayIcon& tray = item.trayIcon();
    emit tray.activated(QSystemTrayIcon::Trigger);
    emit tray.activated(QSystemTrayIcon::MiddleClick);
    emit tray.activated(QSystemTrayIcon::Context);
    emit tray.activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(clicks, 2);
}

// The program's palette says nothing of the bar's colour: a dark text colour must not make the glyph dark.
TEST(TrayStatusItem, TheHiddenGlyphIgnoresThePaletteAndFollowsAKnownBarTone) {
    const QPalette original = QGuiApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::WindowText, Qt::black);
    QGuiApplication::setPalette(dark);
    TrayStatusItem item(nullptr, trayThere());

    item.setImage(squareIcon(), true);
    EXPECT_EQ(middleOf(item), QColor(Qt::white));
    item.setBarTone(BarTone::Light);
    EXPECT_LT(middleOf(item).lightness(), 40);
    item.setBarTone(BarTone::Dark);
    EXPECT_EQ(middleOf(item), QColor(Qt::white));

    item.setImage(squareIcon(), false);
    EXPECT_EQ(middleOf(item), QColor(Qt::black));
    QGuiApplication::setPalette(original);
}

TEST(TrayStatusItem, TheTitleIsDrawnIntoTheIconAndNamedInTheToolTip) {
    TrayStatusItem item(nullptr, trayThere());
    item.setImage(squareIcon(), true);
    const QImage plain = item.trayIcon().icon().pixmap(QSize(22, 22), 1.0).toImage();
    EXPECT_EQ(item.trayIcon().toolTip(), "Redizado");
    item.setTitle("12");
    EXPECT_NE(item.trayIcon().icon().pixmap(QSize(22, 22), 1.0).toImage(), plain);
    EXPECT_EQ(item.trayIcon().toolTip(), QString::fromUtf8("Redizado \u2014 12 to do"));
    item.setTitle("");
    EXPECT_EQ(item.trayIcon().icon().pixmap(QSize(22, 22), 1.0).toImage(), plain);
    EXPECT_EQ(item.trayIcon().toolTip(), "Redizado");
}

TEST(TrayStatusItem, WaitsForALateTrayAndSaysSoOnceAndShowsAnywayWhenNoneCameInTime) {
    int asked = 0;
    g_trayMessages.clear();
    const auto previous = qInstallMessageHandler(collectTrayMessages);
    TrayStatusItem item(nullptr, {[&] { return ++asked > 3; }, std::chrono::milliseconds(1), 100});
    EXPECT_FALSE(item.trayIcon().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return item.trayIcon().isVisible(); }, 5000));
    qInstallMessageHandler(previous);
    EXPECT_EQ(asked, 4);
    EXPECT_EQ(g_trayMessages.size(), 1u);

    asked = 0;
    TrayStatusItem without(nullptr, {[&] { return ++asked < 0; }, std::chrono::milliseconds(1), 3});
    EXPECT_TRUE(QTest::qWaitFor([&] { return without.trayIcon().isVisible(); }, 5000));
    EXPECT_EQ(asked, 4);
    EXPECT_FALSE(without.isAvailable());
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(QtWorkspace, UrlsGoToTheDesktopsHandlerAndNonUrlsAreRefused) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("redizado-test", &catcher, "open");
    QtWorkspace workspace;

    EXPECT_TRUE(workspace.openUrl("redizado-test://about/page"));
    EXPECT_FALSE(workspace.openUrl("no scheme here"));
    EXPECT_FALSE(workspace.openUrl(""));
    QDesktopServices::unsetUrlHandler("redizado-test");

    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl("redizado-test://about/page"));
    EXPECT_EQ(workspace.frontmostApplication(), 0u);
}

} // namespace

#include "TrayStatusItemTest.moc"
