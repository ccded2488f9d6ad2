// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class AllDesktops;

// Who decides where the panel goes: the program, next to the tray icon, or the compositor, as Wayland compositors
// do for every toplevel window.
enum class WindowPlacement { AtIcon, ByCompositor };

// The placement the running platform allows: only on Wayland is it the compositor's.
WindowPlacement platformWindowPlacement();

// The panel window: frameless and see-through, so only the drawn background shows; above other windows, on every
// desktop and out of task lists.
class JLRedizadoWindow final : public QWidget {
    Q_OBJECT
public:
    explicit JLRedizadoWindow(AllDesktops& allDesktops, WindowPlacement placement = WindowPlacement::AtIcon,
                              QWidget* parent = nullptr);
    ~JLRedizadoWindow() override;

    void awakeFromNib();
    // Shows the window in front with the keyboard focus.
    void makeKeyAndOrderFront();
    void setContentView(QWidget* view);
    QWidget* contentView() const { return m_contentView; }
    WindowPlacement placement() const { return m_placement; }

private:
    AllDesktops& m_allDesktops;
    WindowPlacement m_placement;
    QWidget* m_contentView = nullptr;
};
