// SPDX-License-Identifier: GPL-3.0-or-later
// Another program on the same display: holds Ctrl+Space until it is ended, and prints its registration status.
#include "XcbHotKeyService.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    XcbHotKeyService service;
    const auto registration = service.registerHotKey(49, HotKeyService::control, 1);
    std::printf("status %d\n", registration.status);
    std::fflush(stdout);
    return app.exec();
}
