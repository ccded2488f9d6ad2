// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A session bus of the test's own. Its configuration activates only services put in its own folder, never the
// machine's (a desktop portal installed there would otherwise answer in place of the test's fake).
class PrivateSessionBus {
public:
    static bool available() { return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty(); }

    // The bus's address once it runs; empty when it did not start.
    QString start() {
        const QString folder = QString::fromStdString(m_folder.path());
        if (!QDir(folder).mkdir(QStringLiteral("services")) ||
            !QFile::copy(QStringLiteral(REDIZADO_SESSION_BUS_CONFIG), folder + QStringLiteral("/bus.conf")))
            return {};
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + folder + QStringLiteral("/bus.conf"),
                        QStringLiteral("--address=unix:tmpdir=") + folder, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForReadyRead(5000))
            return {};
        return QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    // Ends the bus; connections to it should be gone first.
    void stop() {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    ~PrivateSessionBus() { stop(); }

private:
    TempFolder m_folder;
    QProcess m_daemon;
};
