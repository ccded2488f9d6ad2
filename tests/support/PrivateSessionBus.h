// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempFolder.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

// A test on a session bus of its own, with the program's connection to it ("ours") and, when started, a fake desktop
// portal serving from a thread of its own as a separate process would. The bus activates only services put in its
// own folder, never the machine's (a desktop portal installed there would otherwise answer in place of the test's
// fake). A subclass drops what uses the connections before calling TearDown here.
class PrivateBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        const QString folder = QString::fromStdString(m_folder.path());
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("services")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(REDIZADO_SESSION_BUS_CONFIG), folder + QStringLiteral("/bus.conf")));
        startBus(QStringLiteral("unix:tmpdir=") + folder);
    }
    // The bus gone and back at the same address, as when a session's bus is restarted under a running program.
    void restartBus() {
        ours.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("ours"));
        m_daemon.kill();
        m_daemon.waitForFinished();
        const QString listen = address.section(QLatin1Char(','), 0, 0);
        QFile::remove(listen.section(QLatin1Char('='), 1));
        startBus(listen);
    }
    void startBus(const QString& listen) {
        const QString folder = QString::fromStdString(m_folder.path());
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + folder + QStringLiteral("/bus.conf"),
                        QStringLiteral("--address=") + listen, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        ASSERT_TRUE(m_daemon.waitForReadyRead(5000));
        address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        ours = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("ours")));
        ASSERT_TRUE(ours->isConnected());
    }
    bool ready() const { return !IsSkipped() && !HasFatalFailure(); }
    void TearDown() override {
        ours.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("ours"));
        if (portalThread.isRunning()) {
            // The portal's thread stops before its connection goes: an answer sent meanwhile would be handed to a
            // connection being destroyed, and crash the test now and then.
            portalThread.quit();
            portalThread.wait();
            QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        }
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    void startPortal(QDBusVirtualObject& portal) {
        portalThread.start();
        portal.moveToThread(&portalThread);
        bool registered = false;
        QMetaObject::invokeMethod(
            &portal,
            [this, &portal, &registered] {
                QDBusConnection connection = QDBusConnection::connectToBus(address, QStringLiteral("portal"));
                const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
                registered = connection.registerVirtualObject(path, &portal, QDBusConnection::SubPath) &&
                             connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
            },
            Qt::BlockingQueuedConnection);
        ASSERT_TRUE(registered);
    }

    TempFolder m_folder;
    QProcess m_daemon;
    QString address;
    std::unique_ptr<QDBusConnection> ours;
    QThread portalThread;
};
