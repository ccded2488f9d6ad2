// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"
#include "SystemTrayHost.h"
#include "TrayIconImages.h"
#include "TrayIconWidget.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <memory>

// The status item as an icon window embedded in the X11 system tray. The icon follows the tray: docked when one
// starts (at login the tray may start after the program), docked anew when another replaces it.
class TrayStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    explicit TrayStatusItem(SystemTrayHost& tray, QObject* parent = nullptr);
    ~TrayStatusItem() override;

    void setImage(const QIcon& image, bool isTemplate) override;
    void setTitle(const QString& title) override;
    void setToolTip(const QString& toolTip) override;
    void setToolTipOffered(bool offered) override;
    void setAction(std::function<void()> action) override;
    void setContextMenu(QMenu* menu) override;
    std::optional<QRect> geometry() const override;
    // A warning in a window of its own: an X11 tray has no notifications of its own to show it in.
    void showMessage(const QString& title, const QString& message) override;
    bool isAvailable() const override;
    int statusBarThickness() const override;

    // For whoever learns the bar's colour from the desktop; the tray's own word comes first.
    void setBarTone(BarTone bar);
    // Off while the item shows on another kind of tray.
    void setWanted(bool wanted);

    // The icon's window while it is in a tray.
    TrayIconWidget* iconWidget() const { return m_icon.get(); }

private:
    void followTray();
    // What of the icon's window shows on a bar; nothing where what the tray reports cannot be an icon.
    std::optional<QRect> shownIcon() const;
    void refreshIcon();
    void refreshToolTip();
    BarTone barTone() const;

    SystemTrayHost& m_tray;
    std::unique_ptr<TrayIconWidget> m_icon;
    bool m_wanted = true;
    QIcon m_image;
    bool m_isTemplate = false;
    BarTone m_barTone = BarTone::Unknown;
    QString m_title;
    QString m_toolTip = QStringLiteral("Redizado");
    bool m_toolTipOffered = true;
    std::function<void()> m_action;
    QPointer<QMenu> m_contextMenu;
    // Where the last click was, for a tray whose icon windows show nowhere they can be found.
    std::optional<QPoint> m_clickedAt;
};
