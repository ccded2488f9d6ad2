// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayStatusItem.h"

#include "CountBadge.h"
#include "LogCategories.h"

#include <QMessageBox>
#include <QTimer>

namespace {
constexpr int kUnknownThickness = 22;

int thicknessOf(const std::optional<QRect>& icon) {
    return icon ? std::min(icon->width(), icon->height()) : kUnknownThickness;
}
// Twice the largest icon of common bars.
constexpr int kLargestIcon = 96;
} // namespace

TrayStatusItem::TrayStatusItem(SystemTrayHost& tray, QObject* parent) : QObject(parent), m_tray(tray) {
    connect(&m_tray, &SystemTrayHost::changed, this, &TrayStatusItem::followTray);
    connect(&m_tray, &SystemTrayHost::barToneChanged, this, &TrayStatusItem::refreshIcon);
    if (m_tray.canRun() && !m_tray.isRunning())
        qCInfo(lcTray) << "no X11 system tray yet; the icon shows when one starts";
    // Docked once the event loop runs, by when the owner has given the icon its image.
    QTimer::singleShot(0, this, [this] {
        if (!m_icon)
            followTray();
    });
}

TrayStatusItem::~TrayStatusItem() = default;

void TrayStatusItem::followTray() {
    // A window once docked belongs to the tray that took it, which may have left it on the screen when it went:
    // every change of tray gets a fresh window.
    m_icon.reset();
    m_clickedAt.reset();
    if (!m_wanted || !m_tray.isRunning())
        return;
    m_icon = std::make_unique<TrayIconWidget>();
    m_icon->setContextMenu(m_contextMenu);
    connect(m_icon.get(), &TrayIconWidget::clicked, this, [this](QPoint at) {
        m_clickedAt = at;
        if (m_action)
            m_action();
    });
    refreshIcon();
    refreshToolTip();
    m_tray.dock(*m_icon);
    qCInfo(lcTray) << "the icon is in the X11 system tray";
}

void TrayStatusItem::setWanted(bool wanted) {
    if (wanted == m_wanted)
        return;
    m_wanted = wanted;
    followTray();
}

void TrayStatusItem::showMessage(const QString& title, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, message);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
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
    m_contextMenu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}

std::optional<QRect> TrayStatusItem::shownIcon() const {
    const auto visible = m_icon ? m_tray.visibleGeometry(*m_icon) : std::nullopt;
    // Some trays draw their icons themselves from windows they keep elsewhere, larger than any bar.
    if (visible && std::max(visible->width(), visible->height()) > kLargestIcon)
        return std::nullopt;
    return visible;
}

std::optional<QRect> TrayStatusItem::geometry() const {
    const auto visible = shownIcon();
    // A tray that shows the icon's window nowhere near the click (or not at all) still had the click.
    if (m_clickedAt && (!visible || !visible->contains(*m_clickedAt))) {
        // Measured once: each measure asks the X server about every window the icon sits in.
        const int side = thicknessOf(visible);
        QRect around(QPoint(), QSize(side, side));
        around.moveCenter(*m_clickedAt);
        return around;
    }
    return visible;
}

bool TrayStatusItem::isAvailable() const {
    return m_tray.isRunning();
}

int TrayStatusItem::statusBarThickness() const {
    return thicknessOf(shownIcon());
}

void TrayStatusItem::setBarTone(BarTone bar) {
    m_barTone = bar;
    refreshIcon();
}

BarTone TrayStatusItem::barTone() const {
    const BarTone said = m_tray.barTone();
    return said != BarTone::Unknown ? said : m_barTone;
}

void TrayStatusItem::refreshIcon() {
    if (m_icon)
        m_icon->setIcon(trayIconImages(m_image, m_isTemplate, m_title, barTone()));
}

void TrayStatusItem::setToolTipOffered(bool offered) {
    m_toolTipOffered = offered;
    refreshToolTip();
}

void TrayStatusItem::refreshToolTip() {
    if (!m_icon)
        return;
    const std::optional<int> count = countInTitle(m_title);
    //: %1 is the program's name, or its name and how the last sync went; %n is the number of items to do
    const QString toolTip = count ? tr("%1 \u2014 %n to do", nullptr, *count).arg(m_toolTip) : m_toolTip;
    m_icon->setToolTip(m_toolTipOffered ? toolTip : QString());
}
