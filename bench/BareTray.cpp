// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the tray program's start and memory are measured against: a tray icon and nothing else.
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("baretray"));
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap image(22, 22);
    image.fill(Qt::darkGray);
    QSystemTrayIcon tray{QIcon(image)};
    tray.show();
    return app.exec();
}
