// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoWindow.h"

#include "JLRedizadoBackgroundView.h"
#include "widgets/AllDesktops.h"

#include <QGraphicsDropShadowEffect>
#include <QPalette>
#include <QVBoxLayout>

JLRedizadoWindow::JLRedizadoWindow(AllDesktops& allDesktops, QWidget* parent)
    // Not Qt::Tool: for a tool window without a parent, Qt on X11 names its own hidden leader window in
    // WM_TRANSIENT_FOR, which window managers reject. Staying out of task lists is the platform's job instead.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_allDesktops(allDesktops) {
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
