// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QIcon;
class QMenu;

// The program's icon in the desktop's system tray.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    // The icon; a template image is a silhouette recoloured to match the desktop's text, as symbolic icons are.
    virtual void setImage(const QIcon& image, bool isTemplate) = 0;
    // Text shown with the icon (the to-do count); "" shows none.
    virtual void setTitle(const QString& title) = 0;
    // The text a pointer resting on the icon shows; the title is added to it.
    virtual void setToolTip(const QString& toolTip) = 0;
    // Off while the panel hangs under the icon: a pointer resting there would have the tool tip cover it.
    virtual void setToolTipOffered(bool offered) = 0;
    // Called when the user clicks the icon (left or middle button).
    virtual void setAction(std::function<void()> action) = 0;
    // The menu a right click opens; nothing for none. The menu stays the caller's.
    virtual void setContextMenu(QMenu* menu) = 0;
    // Where the icon sits on screen, in Qt's screen coordinates; nothing when the tray does not say.
    virtual std::optional<QRect> geometry() const = 0;
    // A notification from the icon, shown once the icon is on screen.
    virtual void showMessage(const QString& title, const QString& message) = 0;
    // Whether a tray is there to show the icon.
    virtual bool isAvailable() const = 0;
    // The icon's edge length in device-independent pixels.
    virtual int statusBarThickness() const = 0;
};
