// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemTrayHost.h"

#include <QPointer>
#include <QWidget>

#include <vector>

// An X11 tray that takes in every icon window it is asked to, shows it, and puts it where the test says.
class FakeSystemTrayHost final : public SystemTrayHost {
public:
    bool isRunning() const override { return running; }
    void dock(QWidget& icon) override {
        docked.emplace_back(&icon);
        icon.show();
    }
    std::optional<QRect> visibleGeometry(const QWidget&) const override { return shownAt; }
    BarTone barTone() const override { return tone; }

    void setRunning(bool runs) {
        running = runs;
        emit changed();
    }
    void setTone(BarTone said) {
        tone = said;
        emit barToneChanged();
    }

    bool running = false;
    BarTone tone = BarTone::Unknown;
    std::optional<QRect> shownAt = QRect(600, 0, 24, 24);
    std::vector<QPointer<QWidget>> docked;
};
