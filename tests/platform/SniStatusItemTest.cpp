// SPDX-License-Identifier: GPL-3.0-or-later
#include "SniStatusItem.h"
#include "DBusMenuExporter.h"
#include "FakeSystemTrayHost.h"
#include "LiveStatusItem.h"
#include "PrivateSessionBus.h"
#include "SniTypes.h"
#include "WaitUntil.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <array>
#include <memory>

namespace {
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// The tray's side of the protocol: the watcher that items register with.
class FakeWatcher final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        connection.send(message.createReply());
        if (message.member() == QLatin1String("RegisterStatusNotifierItem"))
            registered << message.arguments().value(0).toString();
        return true;
    }
    QStringList registered;
};

class SniStatusItemTest : public PrivateBusTest {
protected:
    void SetUp() override {
        prctl(PR_GET_NAME, processName.data());
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        host = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("host")));
        ASSERT_TRUE(host->isConnected());
        registerSniTypes();
    }
    void TearDown() override {
        prctl(PR_SET_NAME, processName.data());
        item.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
        host.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("host"));
        PrivateBusTest::TearDown();
    }
    // The watcher first, then the item.
    void start() {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("watcher"));
        ASSERT_TRUE(bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        ASSERT_TRUE(bus.registerService(kWatcher));
        item = std::make_unique<LiveStatusItem>(x11Tray, *ours);
        item->setContextMenu(&menu);
    }
    QString service() const { return item->statusNotifierItem().serviceName(); }

    // Calls as a tray would; the item answers on this thread, so the call keeps the event loop running.
    QDBusMessage call(const QString& path, const QString& interface, const char* member, const QVariantList& args) {
        QDBusMessage message = QDBusMessage::createMethodCall(service(), path, interface, QString::fromLatin1(member));
        message.setArguments(args);
        return host->call(message, QDBus::BlockWithGui);
    }
    QVariant property(const char* name) {
        const QDBusMessage reply = call(kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"), "Get",
                                        {kItemInterface, QString::fromLatin1(name)});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QString toolTip() { return qdbus_cast<SniToolTip>(property("ToolTip")).title; }
    QByteArray iconPixel(int offset) {
        return qdbus_cast<SniPixmaps>(property("IconPixmap")).value(0).argb.mid(offset, 4);
    }
    void callItem(const char* member, const QVariantList& args) { call(kItemPath, kItemInterface, member, args); }
    QDBusMessage callMenu(const char* member, const QVariantList& args) {
        return call(item->statusNotifierItem().menuPath(), QStringLiteral("com.canonical.dbusmenu"), member, args);
    }

    std::unique_ptr<QDBusConnection> host;
    FakeWatcher watcher;
    FakeSystemTrayHost x11Tray;
    QMenu menu;
    std::unique_ptr<LiveStatusItem> item;
    std::array<char, 17> processName{};
};

QIcon solidIcon(QColor colour) {
    QPixmap pixmap(96, 96);
    pixmap.fill(colour);
    return QIcon(pixmap);
}
class SniHostClicksTest : public SniStatusItemTest, public ::testing::WithParamInterface<const char*> {};
} // namespace

// GNOME's tray builds the icon anew on each NewIcon, and the bar shows a gap meanwhile: only a new drawing says so.
// XFCE's panel draws the tool tip over the text field of a panel shown under the icon while the pointer rests there:
// none is offered while the panel shows. Every method the menu offers reaches the tray, so Qt has nothing to
// complain of on the standard error stream.
TEST_F(SniStatusItemTest, TheTrayReadsTheCountTheIconAndTheMenuAndIsToldOfANewIconOnlyWhenItLooksDifferent) {
    static QStringList warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type >= QtWarningMsg)
                warnings << message;
        });
    start();
    const QDBusMessage menuText = call(item->statusNotifierItem().menuPath(),
                                       QStringLiteral("org.freedesktop.DBus.Introspectable"), "Introspect", {});
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    EXPECT_TRUE(menuText.arguments().value(0).toString().contains(QLatin1String("EventGroup")));

    const QIcon glyph = solidIcon(Qt::black), shown = solidIcon(QColor(0x11, 0x22, 0x33));
    item->setImage(shown, false);
    item->setTitle(QStringLiteral("3"));
    // A tray opens the menu instead of activating an item that says it is a menu.
    EXPECT_FALSE(property("ItemIsMenu").toBool());
    EXPECT_EQ(toolTip(), QStringLiteral("Redizado: 3 to do"));
    // A corner pixel, far from the count: alpha, red, green, blue, most significant first.
    EXPECT_EQ(iconPixel(0), QByteArray("\xFF\x11\x22\x33", 4));

    QSignalSpy icons(&item->statusNotifierItem(), &SniStatusItem::iconChanged);
    QSignalSpy toolTips(&item->statusNotifierItem(), &SniStatusItem::toolTipChanged);
    item->setToolTipOffered(false);
    EXPECT_EQ(toolTips.count(), 1);
    EXPECT_EQ(toolTip(), QString());
    item->setToolTipOffered(true);
    EXPECT_EQ(toolTips.count(), 2);
    EXPECT_EQ(toolTip(), QStringLiteral("Redizado: 3 to do"));

    item->setImage(glyph, true);
    EXPECT_EQ(icons.count(), 1);
    const QByteArray light = iconPixel(4);
    item->setImage(glyph, true);
    item->setBarTone(BarTone::Unknown);
    item->setTitle(QStringLiteral("3"));
    EXPECT_EQ(icons.count(), 1);
    // A silhouette drawn light for a bar of unknown colour turns dark for a light bar the desktop names.
    item->setBarTone(BarTone::Light);
    EXPECT_EQ(icons.count(), 2);
    EXPECT_GT(uchar(light[1]), uchar(iconPixel(4)[1]));
    item->setImage(shown, false);
    item->setImage(shown, false);
    EXPECT_EQ(icons.count(), 3);
    item->setBarTone(BarTone::Dark);
    EXPECT_EQ(icons.count(), 4);
}

// A right click (on GNOME a single left click too) opens the menu: AboutToShow, then the root's "opened" and
// "closed" events around a choice. A left click (on GNOME a double click) is Activate, which alone shows the panel.
// The item is in the running watcher's tray alone until it goes, and a click acts with the token the tray gave.
TEST_P(SniHostClicksTest, OpeningTheMenuIsNoClickAndItsChoicesWorkAndAClickActsWithTheTokenTheTrayGave) {
    int quits = 0;
    menu.addAction(QStringLiteral("Show or Hide Redizado"));
    menu.addAction(QStringLiteral("Quit Redizado"), [&] { ++quits; });
    // The item asks which program owns the watcher: here this test's own process, named for the host.
    prctl(PR_SET_NAME, GetParam());
    x11Tray.running = true;
    start();
    ASSERT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::statusNotifier; }));
    EXPECT_EQ(watcher.registered, QStringList{service()});
    EXPECT_TRUE(x11Tray.docked.empty()) << "never for a moment in the X11 tray too";
    const QColor set(0x11, 0x22, 0x33);
    item->setImage(solidIcon(set), false);
    int clicks = 0;
    QByteArray tokenAtClick;
    item->setAction([&] {
        ++clicks;
        tokenAtClick = qgetenv("XDG_ACTIVATION_TOKEN");
    });
    const auto rootEvent = [this](const char* eventId) {
        callMenu("Event", {0, QString::fromLatin1(eventId), QVariant::fromValue(QDBusVariant(0)), 0u});
    };

    // The first click of a double click opens and closes the menu; its second click activates at once.
    callMenu("AboutToShow", {0});
    rootEvent("opened");
    rootEvent("closed");
    callItem("Activate", {100, 20});

    callMenu("AboutToShow", {0});
    rootEvent("opened");
    EXPECT_EQ(property("Status").toString(), QStringLiteral("Active")) << "the icon stays shown";
    const auto layout = qdbus_cast<DBusMenuLayout>(callMenu("GetLayout", {0, -1, QStringList()}).arguments().value(1));
    ASSERT_EQ(layout.children.size(), 2u);
    EXPECT_EQ(layout.children[1].properties.value(QStringLiteral("label")), QStringLiteral("Quit Redizado"));
    // Some hosts ask for one property at a time.
    const QDBusMessage label = callMenu("GetProperty", {layout.children[1].id, QStringLiteral("label")});
    EXPECT_EQ(label.arguments().value(0).value<QDBusVariant>().variant(), QStringLiteral("Quit Redizado"));
    callMenu("Event", {layout.children[1].id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    rootEvent("closed");
    EXPECT_TRUE(waitUntil([&] { return quits == 1; }));
    EXPECT_EQ(clicks, 1) << "neither the menu opening nor its closing shows the panel";

    callItem("ProvideXdgActivationToken", {QStringLiteral("token-42")});
    callItem("Activate", {100, 20});
    EXPECT_EQ(tokenAtClick, QByteArray("token-42"));
    EXPECT_EQ(item->geometry().value_or(QRect()).center(), QPoint(100, 20));
    callItem("SecondaryActivate", {5, 5});
    EXPECT_EQ(clicks, 3);

    // A host that quits (a panel restarted, its tray plug-in removed) leaves the icon, as last set, in the X11 tray,
    // and a click there must hang the panel under that icon, not where the host had it.
    ASSERT_TRUE(QDBusConnection(QStringLiteral("watcher")).unregisterService(kWatcher));
    EXPECT_TRUE(waitUntil([this] { return item->tray() == LiveStatusItem::Tray::x11; }));
    EXPECT_EQ(x11Tray.docked.size(), 1u);
    EXPECT_EQ(item->x11Item().iconWidget()->icon().pixmap(QSize(22, 22), 1.0).toImage().pixelColor(0, 0), set);
    EXPECT_EQ(item->geometry(), x11Tray.shownAt);
}

// Qt marks a menu's access key with "&", a tray with "_": a literal underscore is doubled, "&&" is one "&", and a
// "&" with nothing after it stays as it is.
TEST(DBusMenuLabel, TakesQtsAccessKeysIntoTheTraysForm) {
    EXPECT_EQ(dbusMenuLabel(QStringLiteral("&Quit my_list")), QStringLiteral("_Quit my__list"));
    EXPECT_EQ(dbusMenuLabel(QStringLiteral("Save && go &")), QStringLiteral("Save & go &"));
}

INSTANTIATE_TEST_SUITE_P(Hosts, SniHostClicksTest, ::testing::Values("gnome-shell", "plasmashell", "xfce4-panel"));

// (Hosts that come and go while the program runs are met in the desktop sessions.)
