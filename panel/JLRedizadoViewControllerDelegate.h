// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the panel asks of whoever owns the tray icon, the login item and the hot key.
class JLRedizadoViewControllerDelegate {
public:
    virtual ~JLRedizadoViewControllerDelegate() = default;
    virtual void hideAfterEntry() = 0;
    virtual void setLaunchAppAtLogin(bool launchAtLogin) = 0;
    virtual void setIconAlternate(bool alternate) = 0;
    virtual void setShowToDoCount(bool showCount) = 0;
    virtual void setShortcut(bool enabled) = 0;
};
