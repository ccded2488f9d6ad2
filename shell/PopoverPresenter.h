// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListPresenter.h"
#include "NotificationCenter.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class JLPopoverViewController;
class JLRedizadoBackgroundView;
class JLStatusItemController;
class StatusItem;
class QWidget;

// Shows the popover's list in a pop-up window at the tray icon. It closes on a click outside it, on Escape, and
// when the list asks to be dismissed; closing hands the focus back as hiding the panel does.
class PopoverPresenter final : public QObject, public ListPresenter {
    Q_OBJECT
public:
    // The pop-up holds the list's view from now on.
    PopoverPresenter(JLStatusItemController& statusItemController, StatusItem& statusItem, NotificationCenter& center,
                     std::unique_ptr<JLPopoverViewController> list, QObject* parent = nullptr);
    ~PopoverPresenter() override;

    JLPopoverViewController& list() const { return *m_list; }
    QWidget* window() const { return m_window.get(); }
    JLRedizadoBackgroundView* backgroundView() const { return m_background; }

    bool isShown() const override;
    void show() override;
    void hide() override;
    void toggle() override;
    // The popover keeps a list of its own, read from the store.
    void reload(StoreChange change) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void didClose();

    JLStatusItemController& m_statusItemController;
    StatusItem& m_statusItem;
    NotificationCenter& m_center;
    NotificationCenter::ObserverId m_dismissObserver = 0;
    std::unique_ptr<QWidget> m_window;
    JLRedizadoBackgroundView* m_background = nullptr;
    std::unique_ptr<JLPopoverViewController> m_list;
    // A click on the tray icon closes the pop-up as a click outside before it arrives; it must not reopen it.
    QElapsedTimer m_closedFromOutside;
    bool m_closingOurselves = false;
};
