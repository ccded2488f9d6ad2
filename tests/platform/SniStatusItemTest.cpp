// SPDX-License-Identifier: GPL-3.0-or-later
#include "SniStatusItem.h"
#include "FakeSystemTrayHost.h"
#include "LiveStatusItem.h"
#include "PrivateSessionBus.h"
#include "SniTypes.h"
#include "WaitUntil.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

namespace {
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// The tray's side of the protocol: the watcher that items register with.
class FakeWatcher final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() == QLatin1String("RegisterStatusNotifierItem")) {
            if (refuses) {
                connection.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("no")));
                return true;
            }
            registered << message.arguments().value(0).toString();
        }
        connection.send(message.createReply());
        return true;
    }
    QStringList registered;
    bool refuses = false;
};

class SniStatusItemTest : public PrivateBusTest {
protected:
    void SetUp() override {
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        host = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("host")));
        ASSERT_TRUE(host->isConnected());
        registerSniTypes();
    }
    void TearDown() override {
        item.reset();
        stopWatcher();
        host.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("host"));
        PrivateBusTest::TearDown();
    }
    void startWatcher() {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("watcher"));
        ASSERT_TRUE(bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        ASSERT_TRUE(bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }
    void stopWatcher() { QDBusConnection::disconnectFromBus(QStringLiteral("watcher")); }
    void startItem() {
        item = std::make_unique<LiveStatusItem>(x11Tray, *ours);
        item->setContextMenu(&menu);
    }
    QString service() const { return item->statusNotifierItem().serviceName(); }

    // Calls as a tray would; the item answers on this thread, so the call keeps the event loop running.
    QDBusMessage call(const QString& path, const QString& interface, const QString& member, const QVariantList& args) {
        QDBusMessage message = QDBusMessage::createMethodCall(service(), path, interface, member);
        message.setArguments(args);
        return host->call(message, QDBus::BlockWithGui);
    }
    QVariant property(const QString& name) {
        const QDBusMessage reply =
            call(QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.freedesktop.DBus.Properties"),
                 QStringLiteral("Get"), {kItemInterface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QDBusMessage callItem(const QString& member, const QVariantList& args) {
        return call(QStringLiteral("/StatusNotifierItem"), kItemInterface, member, args);
    }
    QDBusMessage callMenu(const QString& member, const QVariantList& args) {
        return call(item->statusNotifierItem().menuPath(), QStringLiteral("com.canonical.dbusmenu"), member, args);
    }

    std::unique_ptr<QDBusConnection> host;
    FakeWatcher watcher;
    FakeSystemTrayHost x11Tray;
    QMenu menu;
    std::unique_ptr<LiveStatusItem> item;
};

QIcon solidIcon(QColor colour) {
    QPixmap pixmap(96, 96);
    pixmap.fill(colour);
    return QIcon(pixmap);
}
} // namespace

TEST_F(SniStatusItemTest, TheItemRegistersWithTheRunningWatcherAndIsTheOnlyItem) {
    x11Tray.running = true;
    startWatcher();
    startItem();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }));
    EXPECT_EQ(watcher.registered, QStringList{service()});
    // Never for a moment in the X11 tray too.
    EXPECT_TRUE(x11Tray.docked.empty());
    EXPECT_TRUE(service().startsWith(QStringLiteral("org.kde.StatusNotifierItem-")));
    EXPECT_TRUE(item->isAvailable());
    const QStringList names = host->interface()->registeredServiceNames().value();
    EXPECT_EQ(names.filter(QStringLiteral("org.kde.StatusNotifierItem")).size(), 1);
}

TEST_F(SniStatusItemTest, TheTrayReadsTheCountAndTheIcon) {
    startWatcher();
    startItem();
    item->setImage(solidIcon(QColor(0x11, 0x22, 0x33)), false);
    item->setTitle(QStringLiteral("3"));

    EXPECT_FALSE(property(QStringLiteral("ItemIsMenu")).toBool());
    EXPECT_EQ(property(QStringLiteral("Menu")).value<QDBusObjectPath>().path(), item->statusNotifierItem().menuPath());
    const auto toolTip = qdbus_cast<SniToolTip>(property(QStringLiteral("ToolTip")));
    EXPECT_EQ(toolTip.title, QStringLiteral("Redizado: 3 to do"));
    EXPECT_EQ(property(QStringLiteral("IconAccessibleDesc")).toString(), QStringLiteral("Redizado: 3 to do"));

    const auto pixmaps = qdbus_cast<SniPixmaps>(property(QStringLiteral("IconPixmap")));
    for (const SniPixmap& pixmap : pixmaps)
        EXPECT_EQ(pixmap.argb.size(), pixmap.width * pixmap.height * 4);
    // A corner pixel, far from the count: alpha, red, green, blue, most significant first.
    ASSERT_FALSE(pixmaps.isEmpty());
    EXPECT_EQ(pixmaps.last().argb.left(4), QByteArray("\xFF\x11\x22\x33", 4));

    // A silhouette drawn light for a bar of unknown colour turns dark for a light bar the desktop names.
    item->setImage(solidIcon(Qt::black), true);
    const auto lightGlyph = qdbus_cast<SniPixmaps>(property(QStringLiteral("IconPixmap"))).last().argb.mid(4, 4);
    item->setBarTone(BarTone::Light);
    const auto darkGlyph = qdbus_cast<SniPixmaps>(property(QStringLiteral("IconPixmap"))).last().argb.mid(4, 4);
    EXPECT_GT(QColor(uchar(lightGlyph[1]), uchar(lightGlyph[2]), uchar(lightGlyph[3])).lightness(),
              QColor(uchar(darkGlyph[1]), uchar(darkGlyph[2]), uchar(darkGlyph[3])).lightness());
}

TEST_F(SniStatusItemTest, AClickActsAndPlacesThePanelAtTheClickWithTheTokenTheTrayGave) {
    startWatcher();
    startItem();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }));
    int clicks = 0;
    QByteArray tokenAtClick;
    item->setAction([&] {
        ++clicks;
        tokenAtClick = qgetenv("XDG_ACTIVATION_TOKEN");
    });

    callItem(QStringLiteral("ProvideXdgActivationToken"), {QStringLiteral("token-42")});
    callItem(QStringLiteral("Activate"), {100, 20});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tokenAtClick, QByteArray("token-42"));
    ASSERT_TRUE(item->geometry().has_value());
    EXPECT_EQ(item->geometry()->center(), QPoint(100, 20));
    EXPECT_FALSE(item->geometry()->isEmpty());

    // A host that does not know where the click was: no stale place, the panel goes to the pointer.
    callItem(QStringLiteral("Activate"), {0, 0});
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(item->geometry().has_value());
    callItem(QStringLiteral("SecondaryActivate"), {5, 5});
    EXPECT_EQ(clicks, 3);
}

TEST_F(SniStatusItemTest, TheTrayDrawsTheMenuAndAChoiceThereTriggersTheAction) {
    int settingsChosen = 0;
    menu.addAction(QStringLiteral("Show or Hide Redizado"));
    menu.addAction(QStringLiteral("Settings\u2026"), [&] { ++settingsChosen; });
    menu.addAction(QStringLiteral("About Redizado"));
    menu.addAction(QStringLiteral("&Quit Redizado"));
    startWatcher();
    startItem();

    const QDBusMessage reply = callMenu(QStringLiteral("GetLayout"), {0, -1, QStringList()});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const auto layout = qdbus_cast<DBusMenuLayout>(reply.arguments().value(1));
    QStringList labels;
    for (const DBusMenuLayout& entry : layout.children) {
        labels << entry.properties.value(QStringLiteral("label")).toString();
        EXPECT_TRUE(entry.properties.value(QStringLiteral("enabled")).toBool());
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Show or Hide Redizado"), QStringLiteral("Settings\u2026"),
                                   QStringLiteral("About Redizado"), QStringLiteral("_Quit Redizado")}));

    ASSERT_EQ(layout.children.size(), 4u);
    callMenu(QStringLiteral("Event"),
             {layout.children[1].id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    EXPECT_TRUE(waitUntil([&] { return settingsChosen == 1; }));

    // A change to an entry reaches the tray's next read.
    menu.actions().at(2)->setEnabled(false);
    const QDBusMessage property =
        callMenu(QStringLiteral("GetProperty"), {layout.children[2].id, QStringLiteral("enabled")});
    EXPECT_FALSE(property.arguments().value(0).value<QDBusVariant>().variant().toBool());
}

TEST_F(SniStatusItemTest, AWatcherThatRefusesTheItemLeavesItInTheX11Tray) {
    x11Tray.running = true;
    watcher.refuses = true;
    startWatcher();
    startItem();
    ASSERT_TRUE(waitUntil([this] { return !x11Tray.docked.empty(); }, 5000));
    EXPECT_EQ(item->tray(), LiveStatusItem::Tray::x11);
}

TEST_F(SniStatusItemTest, TheIconFollowsAHostThatStartsLaterAndFallsBackWhenItGoes) {
    x11Tray.running = true;
    startItem();
    QCoreApplication::processEvents();
    EXPECT_EQ(item->tray(), LiveStatusItem::Tray::x11);
    ASSERT_NE(item->x11Item().iconWidget(), nullptr);

    startWatcher();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }, 3000));
    EXPECT_EQ(watcher.registered, QStringList{service()});
    // One icon: none left in the X11 tray beside the host.
    EXPECT_EQ(item->x11Item().iconWidget(), nullptr);
    EXPECT_FALSE(item->host().isEmpty());
    callItem(QStringLiteral("Activate"), {300, 10});
    EXPECT_EQ(item->geometry()->center(), QPoint(300, 10));

    stopWatcher();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::x11; }));
    EXPECT_FALSE(item->statusNotifierItem().isAvailable());
    ASSERT_NE(item->x11Item().iconWidget(), nullptr);
    EXPECT_EQ(x11Tray.docked.back(), item->x11Item().iconWidget());
    // The X11 icon's own place, not the click the host reported.
    EXPECT_NE(item->geometry().value_or(QRect()).center(), QPoint(300, 10));

    startWatcher();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }, 3000));
    EXPECT_EQ(watcher.registered.size(), 2);
}

// GNOME's tray opens the item's menu on a single left click and holds the keyboard while the menu is open; it hides a
// passive item and closes its menu on the way.
class MenuOpeningClickTest : public SniStatusItemTest {
protected:
    void SetUp() override {
        SniStatusItemTest::SetUp();
        if (IsSkipped())
            return;
        menu.addAction(QStringLiteral("Quit Redizado"));
        startWatcher();
        startItem();
        ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }));
        item->setAction([this] { ++clicks; });
        // QtDBus hands D-Bus signals only to slots named by string; this one keeps every status in order.
        ASSERT_TRUE(host->connect(service(), QStringLiteral("/StatusNotifierItem"), kItemInterface,
                                  QStringLiteral("NewStatus"), &statuses, SLOT(appendPlainText(QString))));
    }
    // Event answers nothing; a call that answers comes after it on the same connection, so it has been handled.
    void menuEvent(const QString& event) {
        callMenu(QStringLiteral("Event"), {0, event, QVariant::fromValue(QDBusVariant(0)), 0u});
        callMenu(QStringLiteral("GetLayout"), {0, 0, QStringList()});
    }
    QString status() { return property(QStringLiteral("Status")).toString(); }
    QStringList announced() const { return statuses.toPlainText().split(u'\n', Qt::SkipEmptyParts); }

    int clicks = 0;
    QPlainTextEdit statuses;
};

TEST_F(MenuOpeningClickTest, ElsewhereTheMenuOpeningIsNoClick) {
    menuEvent(QStringLiteral("opened"));
    menuEvent(QStringLiteral("closed"));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(status(), QStringLiteral("Active"));
}

TEST_F(MenuOpeningClickTest, TheItemStepsAsideUntilTheMenuClosesAndThenShowsThePanelOnce) {
    item->statusNotifierItem().setMenuOpeningActivates(true);
    menuEvent(QStringLiteral("opened"));
    EXPECT_EQ(status(), QStringLiteral("Passive"));
    EXPECT_EQ(clicks, 0) << "a panel shown while the menu holds the keyboard gets no typing";
    // A second click while the icon is away changes nothing.
    menuEvent(QStringLiteral("opened"));

    menuEvent(QStringLiteral("closed"));
    EXPECT_EQ(status(), QStringLiteral("Active"));
    EXPECT_EQ(clicks, 1);
    ASSERT_TRUE(waitUntil([this] { return announced().size() == 2; }));
    EXPECT_EQ(announced(), (QStringList{QStringLiteral("Passive"), QStringLiteral("Active")}));
    // Where the click was is unknown: the panel goes to the pointer.
    EXPECT_FALSE(item->geometry().has_value());

    // The menu of the icon that came back, closed by hand, is no click.
    menuEvent(QStringLiteral("closed"));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuOpeningClickTest, ADoubleClickWhoseFirstClickOpenedTheMenuShowsThePanelOnce) {
    item->statusNotifierItem().setMenuOpeningActivates(true);
    menuEvent(QStringLiteral("opened"));
    menuEvent(QStringLiteral("closed"));
    callItem(QStringLiteral("ProvideXdgActivationToken"), {QStringLiteral("token-7")});
    callItem(QStringLiteral("Activate"), {1340, 16});
    EXPECT_EQ(clicks, 1);

    // The middle click still shows and hides the panel, at the click, and without a stale token.
    QByteArray tokenAtClick = "unset";
    item->setAction([&] {
        ++clicks;
        tokenAtClick = qgetenv("XDG_ACTIVATION_TOKEN");
    });
    qunsetenv("XDG_ACTIVATION_TOKEN");
    callItem(QStringLiteral("SecondaryActivate"), {1340, 16});
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(tokenAtClick.isEmpty());
    EXPECT_EQ(item->geometry().value_or(QRect()).center(), QPoint(1340, 16));
}

TEST_F(MenuOpeningClickTest, ATrayThatKeepsItsMenuOpenGetsTheIconBackAndThePanelShows) {
    item->statusNotifierItem().setMenuOpeningActivates(true);
    menuEvent(QStringLiteral("opened"));
    ASSERT_TRUE(waitUntil([this] { return clicks == 1; }, 20000));
    EXPECT_EQ(status(), QStringLiteral("Active"));
}

TEST_F(MenuOpeningClickTest, AnIconThatLostItsTrayWhileAsideComesBackActive) {
    item->statusNotifierItem().setMenuOpeningActivates(true);
    menuEvent(QStringLiteral("opened"));
    stopWatcher();
    ASSERT_TRUE(waitUntil([this] { return !item->statusNotifierItem().isAvailable(); }));
    EXPECT_EQ(status(), QStringLiteral("Active"));
    startWatcher();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }, 3000));
    menuEvent(QStringLiteral("closed"));
    EXPECT_EQ(clicks, 0) << "the menu of the tray that went away is not this click";
}
