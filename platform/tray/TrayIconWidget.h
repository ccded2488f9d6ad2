// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <QMenu>

// The icon's own window inside an X11 system tray: it draws the icon at whatever size the tray gives it and
// reports clicks with where they happened.
class TrayIconWidget final : public QWidget {
    Q_OBJECT
public:
    TrayIconWidget();

    void setIcon(const QIcon& icon);
    const QIcon& icon() const { return m_icon; }
    // Opened at the pointer on a right click; stays the caller's.
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }

signals:
    // A left or middle click, at its screen position.
    void clicked(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QIcon m_icon;
    QPointer<QMenu> m_contextMenu;
};
