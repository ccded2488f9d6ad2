// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeldStatusItem.h"

#include <utility>

HeldStatusItem::HeldStatusItem(StatusItem& item) : m_item(item) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    QObject::connect(&m_settle, &QTimer::timeout, [this] { showHeldTitle(); });
}

void HeldStatusItem::setTitle(const QString& title) {
    if (m_holds > 0) {
        m_heldTitle = title;
        return;
    }
    // Newer than any title still waiting.
    m_settle.stop();
    m_heldTitle.reset();
    m_item.setTitle(title);
}

void HeldStatusItem::release() {
    if (m_holds > 0)
        --m_holds;
    // Not restarted by later commands: a steady stream of them still sees the count follow.
    if (m_holds == 0 && m_heldTitle && !m_settle.isActive())
        m_settle.start();
}

void HeldStatusItem::showHeldTitle() {
    if (m_heldTitle)
        m_item.setTitle(*std::exchange(m_heldTitle, std::nullopt));
}
