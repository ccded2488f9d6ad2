// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveStatusItem.h"
#include "FakeSystemTrayHost.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include <QDBusMessage>
#include <QDBusVirtualObject>

#include <gtest/gtest.h>

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// A watcher that takes every item.
class AcceptingWatcher final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        return connection.send(message.createReply());
    }
};

class LiveStatusItemTest : public PrivateBusTest {
protected:
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
        PrivateBusTest::TearDown();
    }
    AcceptingWatcher watcher;
    FakeSystemTrayHost x11Tray;
};

// A host that quits (a panel restarted, its tray plug-in removed) leaves the icon in the X11 tray, and a click there
// must hang the panel under that icon, not where the host had it.
TEST_F(LiveStatusItemTest, WhenTheHostGoesTheIconAndThePanelsPlaceGoToTheX11Tray) {
    x11Tray.running = true;
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("watcher"));
    ASSERT_TRUE(bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
    ASSERT_TRUE(bus.registerService(kWatcher));
    LiveStatusItem item(x11Tray, *ours);
    ASSERT_TRUE(waitUntil([&] { return item.tray() == LiveStatusItem::Tray::statusNotifier; }));
    EXPECT_TRUE(x11Tray.docked.empty());

    ASSERT_TRUE(bus.unregisterService(kWatcher));
    EXPECT_TRUE(waitUntil([&] { return item.tray() == LiveStatusItem::Tray::x11; }));
    EXPECT_EQ(x11Tray.docked.size(), 1u);
    EXPECT_EQ(item.geometry(), x11Tray.shownAt);
}
} // namespace
