// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"
#include "TrayIconImages.h"

#include <QIcon>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <utility>
#include <vector>

class QSystemTrayIcon;

// The status item as an icon in the desktop's system tray. At login the tray may start after the program,
// so the icon waits for one instead of giving up.
class TrayStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    struct TrayWait {
        std::function<bool()> trayAvailable;
        std::chrono::milliseconds interval;
        int attempts;
    };
    // Asks once a second for two minutes.
    static TrayWait defaultWait();

    explicit TrayStatusItem(QObject* parent = nullptr, TrayWait wait = defaultWait());
    ~TrayStatusItem() override;

    void setImage(const QIcon& image, bool isTemplate) override;
    void setTitle(const QString& title) override;
    void setToolTip(const QString& toolTip) override;
    void setAction(std::function<void()> action) override;
    void setContextMenu(QMenu* menu) override;
    std::optional<QRect> geometry() const override;
    void showMessage(const QString& title, const QString& message) override;
    bool isAvailable() const override;
    int statusBarThickness() const override;

    // For whoever learns the bar's colour from the desktop; until then the icon reads on any bar.
    void setBarTone(BarTone bar);

    QSystemTrayIcon& trayIcon() const { return *m_tray; }

private:
    void showWhenTrayIsThere();
    void refreshIcon();
    void refreshToolTip();

    QSystemTrayIcon* m_tray;
    TrayWait m_wait;
    QTimer m_retry;
    int m_attemptsLeft = 0;
    QIcon m_image;
    bool m_isTemplate = false;
    BarTone m_barTone = BarTone::Unknown;
    QString m_title;
    QString m_toolTip = QStringLiteral("Redizado");
    std::function<void()> m_action;
    // Messages asked for before the icon was on screen.
    std::vector<std::pair<QString, QString>> m_pendingMessages;
};
