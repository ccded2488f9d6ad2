// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopoverPresenter.h"

#include "JLPopoverViewController.h"
#include "JLRedizadoBackgroundView.h"
#include "JLStatusItemController.h"
#include "PanelPlacement.h"
#include "PreferencesKeys.h"
#include "ScreenCoordinates.h"
#include "StatusItem.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include <utility>

namespace {
// How soon after a click outside closed the pop-up a click on the icon counts as that same click.
constexpr qint64 outsideClickMs = 300;
constexpr int popoverWidth = 300;
constexpr int popoverHeight = 400;
// The body's margins; the arrow's side is wider by the arrow.
constexpr int sideMargin = 16;
constexpr int arrowSideMargin = 24;
} // namespace

PopoverPresenter::PopoverPresenter(JLStatusItemController& statusItemController, StatusItem& statusItem,
                                   NotificationCenter& center, std::unique_ptr<JLPopoverViewController> list,
                                   QObject* parent)
    : QObject(parent), m_statusItemController(statusItemController), m_statusItem(statusItem), m_center(center),
      m_window(std::make_unique<QWidget>(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)),
      m_list(std::move(list)) {
    m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->setWindowTitle(QStringLiteral("Redizado"));
    auto* windowLayout = new QVBoxLayout(m_window.get());
    windowLayout->setContentsMargins(0, 0, 0, 0);
    m_background = new JLRedizadoBackgroundView(m_window.get());
    windowLayout->addWidget(m_background);
    auto* bodyLayout = new QVBoxLayout(m_background);
    bodyLayout->setContentsMargins(sideMargin, arrowSideMargin, sideMargin, sideMargin);
    bodyLayout->addWidget(m_list->view());
    m_window->resize(popoverWidth, popoverHeight);
    m_window->installEventFilter(this);
    m_dismissObserver = m_center.addObserver(notifications::popoverShouldBeDismissed, nullptr,
                                             [this](const NotificationCenter::Notification&) { hide(); });
}

// The list goes first: its controller deletes its view, which the pop-up holds.
PopoverPresenter::~PopoverPresenter() {
    m_center.removeObserver(m_dismissObserver);
    m_window->removeEventFilter(this);
    m_list.reset();
}

bool PopoverPresenter::isShown() const {
    return m_window->isVisible();
}

void PopoverPresenter::toggle() {
    if (isShown()) {
        hide();
        return;
    }
    if (m_closedFromOutside.isValid() && m_closedFromOutside.elapsed() < outsideClickMs) {
        m_closedFromOutside.invalidate();
        return;
    }
    show();
}

void PopoverPresenter::show() {
    if (isShown())
        return;
    m_closedFromOutside.invalidate();
    // Remembered before anything of ours takes the focus, so it names the application the user was in.
    m_statusItemController.rememberFocusedApp();
    m_statusItemController.changeIconToAlternate(true);
    m_statusItemController.popoverWillShow();
    place();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_statusItemController.popoverDidShow();
}

void PopoverPresenter::hide() {
    if (!isShown())
        return;
    const bool was = std::exchange(m_closingOurselves, true);
    m_window->hide();
    m_closingOurselves = was;
}

void PopoverPresenter::reload(StoreChange) {
    m_list->retrieveData();
}

void PopoverPresenter::place() {
    // Placed at the size it will show at: the layout widens the window to what its controls need.
    m_window->layout()->activate();
    const QSizeF size = m_window->size();
    const PanelFrame placed = m_statusItemController.panelFrameFor(size);
    m_background->pointArrowAt(placed.arrowEdge, placed.arrowX);
    const bool arrowOnTop = placed.arrowEdge == ArrowEdge::Top;
    m_background->layout()->setContentsMargins(sideMargin, arrowOnTop ? arrowSideMargin : sideMargin, sideMargin,
                                               arrowOnTop ? sideMargin : arrowSideMargin);
    setWindowFrame(*m_window, QRectF(placed.origin, size));
}

void PopoverPresenter::didClose() {
    if (!m_closingOurselves)
        m_closedFromOutside.start();
    m_statusItemController.changeIconToAlternate(false);
    m_statusItemController.handFocusBack();
}

bool PopoverPresenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window.get()) {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            didClose();
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
