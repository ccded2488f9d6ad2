// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <optional>

// Where the tray icon was last seen, in Qt's screen coordinates, kept in a small file from one start to the next:
// trays tell it only with a click, and the shortcut may come before any. A file that cannot be read or written
// costs only the guess; it is said once in the log.
class KeptIconPlace {
public:
    // $XDG_STATE_HOME/redizado/icon-place, or ~/.local/state's.
    static QString defaultPath();

    explicit KeptIconPlace(QString path = defaultPath());

    std::optional<QRect> place() const;
    // Written only when the icon moved.
    void keep(const QRect& place);

private:
    QString m_path;
    mutable bool m_read = false;
    mutable std::optional<QRect> m_place;
    bool m_toldWriteProblem = false;
};
