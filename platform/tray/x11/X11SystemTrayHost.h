// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemTrayHost.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>

#include <cstdint>

// The X11 system tray of the first screen: whoever holds the tray's selection, followed as trays start, stop and
// replace each other (the MANAGER announcement on the root window, the holder's window going away), and the
// foreground colour a tray may publish for its icons.
class X11SystemTrayHost final : public SystemTrayHost, private QAbstractNativeEventFilter {
public:
    // Needs Qt on X11; without it the tray never runs.
    explicit X11SystemTrayHost(QObject* parent = nullptr);
    ~X11SystemTrayHost() override;

    bool isRunning() const override { return m_manager != 0; }
    void dock(QWidget& icon) override;
    std::optional<QRect> visibleGeometry(const QWidget& icon) const override;
    BarTone barTone() const override { return m_barTone; }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Finds the tray's window and its colours anew, and tells what changed.
    void refresh();
    BarTone readBarTone() const;

    std::uint32_t m_root = 0;
    std::uint32_t m_selection = 0;
    std::uint32_t m_managerAtom = 0;
    std::uint32_t m_opcode = 0;
    std::uint32_t m_colors = 0;
    std::uint32_t m_manager = 0;
    BarTone m_barTone = BarTone::Unknown;
    // Shown once the tray has reparented it: shown before, it would flash in the screen's corner.
    QPointer<QWidget> m_docking;
};
