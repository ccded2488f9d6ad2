// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// Tells a screen reader about a change that moves no focus. Where Qt can say so (6.8 on), as a polite announcement,
// which readers say without keeping it among notifications. Before that, as a notification the size of a pixel,
// drawn as nothing, which shows anew with every message, as notifications do when they are to be read out; it
// shows only for a message: the window showing again must not read out the last one, nor an empty one.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    ~Announcer() override;

    static constexpr bool asNotification = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

    void announce(const QString& message);
    QString message() const { return m_message; }

protected:
    void paintEvent(QPaintEvent*) override {}
    void hideEvent(QHideEvent*) override;

private:
    QString m_message;
};
