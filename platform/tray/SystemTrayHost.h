// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TrayIconImages.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// The X11 system tray, as an icon window needs it: whether one runs, taking the icon in, where the icon shows and
// the bar's tone when the tray says it. Trays come and go while the program runs (a panel restarted, another
// desktop's panel taking over), so changes are announced.
class SystemTrayHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isRunning() const = 0;
    // False where no X11 tray can ever run, as on Wayland.
    virtual bool canRun() const { return true; }
    // Asks the running tray to embed the icon's window, and shows it once the tray has taken it in.
    virtual void dock(QWidget& icon) = 0;
    // The part of the icon's window the tray lets show, in Qt's screen coordinates; nothing when none shows.
    virtual std::optional<QRect> visibleGeometry(const QWidget& icon) const = 0;
    virtual BarTone barTone() const { return BarTone::Unknown; }

signals:
    // A tray started, stopped or was replaced.
    void changed();
    void barToneChanged();
};

// Where there is no X11 tray at all (Wayland, offscreen).
class NoSystemTray final : public SystemTrayHost {
public:
    using SystemTrayHost::SystemTrayHost;
    bool isRunning() const override { return false; }
    bool canRun() const override { return false; }
    void dock(QWidget&) override {}
    std::optional<QRect> visibleGeometry(const QWidget&) const override { return std::nullopt; }
};
