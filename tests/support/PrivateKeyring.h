// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScopedEnvironment.h"
#include "WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <list>
#include <string>

// An unlocked gnome-keyring of the test's own on a private session bus, with its files in folder. The process's
// session bus and XDG folders point there while it lives, so the program's own keyring code finds it.
class PrivateKeyring {
public:
    static bool installed() {
        return !QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon")).isEmpty();
    }

    PrivateKeyring(const QString& busAddress, const std::string& folder) {
        m_environment.emplace_back("DBUS_SESSION_BUS_ADDRESS", busAddress.toStdString());
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            m_environment.emplace_back(name, folder);
    }
    ~PrivateKeyring() {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // False when it did not come up on the bus in time.
    bool start(QDBusConnection& bus) {
        m_daemon.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        m_daemon.start(
            QStringLiteral("gnome-keyring-daemon"),
            {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
        if (!m_daemon.waitForStarted())
            return false;
        m_daemon.write("keyring password");
        m_daemon.closeWriteChannel();
        return waitUntil(
            [&bus] { return bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")).value(); });
    }

private:
    std::list<ScopedEnvironment> m_environment;
    QProcess m_daemon;
};
