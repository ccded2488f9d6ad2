// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayStatusItem.h"

#include "LogCategories.h"

#include <QSystemTrayIcon>

namespace {
constexpr int kUnknownThickness = 22;
}

TrayStatusItem::TrayWait TrayStatusItem::defaultWait() {
    return {&QSystemTrayIcon::isSystemTrayAvailable, std::chrono::seconds(1), 120};
}

TrayStatusItem::TrayStatusItem(QObject* parent, TrayWait wait)
    : QObject(parent), m_tray(new QSystemTrayIcon(this)), m_wait(std::move(wait)) {
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A double click also arrives as a click first; taking it too would toggle twice.
        if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::MiddleClick) && m_action)
            m_action();
    });
    connect(&m_retry, &QTimer::timeout, this, &TrayStatusItem::showWhenTrayIsThere);
    refreshToolTip();
    m_attemptsLeft = m_wait.attempts;
    // Shown once the event loop runs, by when the owner has given the icon its image.
    QTimer::singleShot(0, this, &TrayStatusItem::showWhenTrayIsThere);
}

TrayStatusItem::~TrayStatusItem() = default;

void TrayStatusItem::showWhenTrayIsThere() {
    const bool there = m_wait.trayAvailable();
    if (!there && m_attemptsLeft > 0) {
        if (!m_retry.isActive()) {
            qCInfo(lcTray) << "no system tray yet; waiting for one to start";
            m_retry.start(m_wait.interval);
        }
        --m_attemptsLeft;
        return;
    }
    m_retry.stop();
    if (!there)
        qCWarning(lcTray) << "still no system tray; the icon shows if one starts later";
    m_tray->show();
    for (const auto& [title, message] : std::exchange(m_pendingMessages, {}))
        m_tray->showMessage(title, message, QSystemTrayIcon::Warning);
}

void TrayStatusItem::showMessage(const QString& title, const QString& message) {
    qCWarning(lcTray).noquote() << title << "-" << message;
    if (!m_tray->isVisible()) {
        m_pendingMessages.emplace_back(title, message);
        return;
    }
    m_tray->showMessage(title, message, QSystemTrayIcon::Warning);
}

void TrayStatusItem::setImage(const QIcon& image, bool isTemplate) {
    m_image = image;
    m_isTemplate = isTemplate;
    refreshIcon();
}

void TrayStatusItem::setTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    refreshIcon();
    refreshToolTip();
}

void TrayStatusItem::setToolTip(const QString& toolTip) {
    m_toolTip = toolTip;
    refreshToolTip();
}

void TrayStatusItem::setAction(std::function<void()> action) {
    m_action = std::move(action);
}

void TrayStatusItem::setContextMenu(QMenu* menu) {
    m_tray->setContextMenu(menu);
}

std::optional<QRect> TrayStatusItem::geometry() const {
    const QRect rect = m_tray->geometry();
    if (!rect.isValid() || rect.isEmpty())
        return std::nullopt;
    return rect;
}

bool TrayStatusItem::isAvailable() const {
    return m_wait.trayAvailable();
}

int TrayStatusItem::statusBarThickness() const {
    const auto rect = geometry();
    return rect ? std::min(rect->width(), rect->height()) : kUnknownThickness;
}

void TrayStatusItem::setBarTone(BarTone bar) {
    m_barTone = bar;
    refreshIcon();
}

void TrayStatusItem::refreshIcon() {
    m_tray->setIcon(trayIconImages(m_image, m_isTemplate, m_title, m_barTone));
}

void TrayStatusItem::refreshToolTip() {
    m_tray->setToolTip(m_title.isEmpty() ? m_toolTip : tr("%1 \u2014 %2 to do").arg(m_toolTip, m_title));
}
