// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoWindow.h"

#include "AllDesktops.h"
#include "JLRedizadoBackgroundView.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QPalette>
#include <QVBoxLayout>

WindowPlacement platformWindowPlacement() {
    // "wayland", or "wayland-egl" and the like; XWayland is "xcb", where the program places its windows.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? WindowPlacement::ByCompositor
                                                                                : WindowPlacement::AtIcon;
}

JLRedizadoWindow::JLRedizadoWindow(AllDesktops& allDesktops, WindowPlacement placement, QWidget* parent)
    // Not Qt::Tool: for a tool window without a parent, Qt on X11 names its own hidden leader window in
    // WM_TRANSIENT_FOR, which window managers reject. Staying out of task lists is the platform's job instead.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_allDesktops(allDesktops),
      m_placement(placement) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

JLRedizadoWindow::~JLRedizadoWindow() = default;

void JLRedizadoWindow::awakeFromNib() {
    auto* background = new JLRedizadoBackgroundView(this);
    if (m_contentView)
        background->resize(m_contentView->size());
    setContentView(background);
    m_allDesktops.joinAllDesktops(*this);
    if (m_placement == WindowPlacement::ByCompositor) {
        // A tiling compositor (sway) floats a toplevel whose minimum and maximum sizes are equal, and draws no
        // title bar on a floating window that asks for no decoration; it places it itself, so there is nothing
        // for an arrow to point at.
        setFixedSize(size());
        background->hideArrow();
    }
}

void JLRedizadoWindow::makeKeyAndOrderFront() {
    // The window manager puts a window it maps in front and focuses it. Asking for that before the map is what
    // GNOME's compositor trips over on Wayland (a stacking assertion on each show from the tray, whose activation
    // token Qt spends at once), so only a window already on screen is raised and activated.
    if (!isVisible()) {
        show();
        return;
    }
    raise();
    activateWindow();
}

void JLRedizadoWindow::setContentView(QWidget* view) {
    if (view == m_contentView)
        return;
    if (m_contentView)
        m_contentView->deleteLater();
    m_contentView = view;
    if (!view)
        return;
    // Every content view casts the same soft shadow, two pixels down.
    auto* shadow = new QGraphicsDropShadowEffect(view);
    shadow->setColor(QColor(0, 0, 0, 128));
    shadow->setOffset(0.0, 2.0);
    shadow->setBlurRadius(4.0);
    view->setGraphicsEffect(shadow);
    view->setParent(this);
    layout()->addWidget(view);
    view->show();
}
