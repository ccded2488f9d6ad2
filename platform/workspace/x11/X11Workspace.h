// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"
#include "X11ServerTime.h"

#include <QAbstractNativeEventFilter>

#include <optional>

// The workspace of an X11 desktop, through the window manager's EWMH properties and requests.
// Needs Qt on xcb (see available()).
class X11Workspace final : public Workspace, private QAbstractNativeEventFilter {
public:
    X11Workspace();
    ~X11Workspace() override;

    // True when Qt runs on xcb, the only case this workspace works in.
    static bool available();

    Application frontmostApplication() const override;
    void activate(Application application) override;
    void focusOwnWindow(Application window) override;
    bool openUrl(const std::string& url) override;
    void setActiveDesktopChangedHandler(std::function<void()> handler) override;

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool isOwnWindow(std::uint32_t window) const;
    void askForFocus(Application window);
    std::optional<std::uint32_t> rootCardinal(std::uint32_t atom) const;

    struct Atoms {
        std::uint32_t activeWindow = 0;
        std::uint32_t currentDesktop = 0;
    };
    Atoms m_atoms;
    std::uint32_t m_root = 0;
    std::optional<std::uint32_t> m_desktop;
    std::function<void()> m_desktopChanged;
    bool m_watching = false;
    X11ServerTime m_serverTime;
};
