// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the tray program's start and memory are measured against: a tray icon with a number drawn on it and a
// menu, and nothing else.
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("baretray"));
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap image(22, 22);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setBrush(Qt::darkGray);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(image.rect(), 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(7));
    }
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QCoreApplication::quit);
    QSystemTrayIcon tray{QIcon(image)};
    tray.setContextMenu(&menu);
    tray.show();
    return app.exec();
}
