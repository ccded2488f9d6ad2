// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

// A logout's SIGTERM ends the event loop normally, so the work done at quit (a last save) still runs.
TEST(TerminationSignals, SigtermEndsTheEventLoopTheNormalWay) {
    quitOnTerminationSignals();
    bool aboutToQuit = false;
    bool timedOut = false;
    const auto connection = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                             [&aboutToQuit] { aboutToQuit = true; });
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    QTimer::singleShot(5000, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    QObject::disconnect(connection);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(aboutToQuit);
}
