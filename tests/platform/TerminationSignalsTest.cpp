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
    const auto connection = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                             [&aboutToQuit] { aboutToQuit = true; });
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the signal did not end the loop";
    QObject::disconnect(connection);
    EXPECT_TRUE(aboutToQuit);
}
