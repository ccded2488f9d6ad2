// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveStatusItem.h"

#include "DesktopNotification.h"
#include "LogCategories.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QTimer>

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

LiveStatusItem::LiveStatusItem(SystemTrayHost& x11Tray, QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_x11Tray(x11Tray), m_sni(m_bus), m_x11(x11Tray),
      m_watcher(kWatcher, m_bus,
                QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration) {
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { watcherAppeared(3); });
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &LiveStatusItem::watcherVanished);
    if (m_bus.interface() && m_bus.interface()->isServiceRegistered(kWatcher)) {
        // Not on both trays for a moment while the host answers.
        m_x11.setWanted(false);
        watcherAppeared(3);
    }
}

LiveStatusItem::~LiveStatusItem() = default;

void LiveStatusItem::watcherAppeared(int attemptsLeft) {
    m_sni.registerWithWatcher([this, attemptsLeft](bool registered) {
        if (!registered) {
            // A watcher that has just taken its name may not answer yet.
            if (attemptsLeft > 1 && m_bus.interface()->isServiceRegistered(kWatcher))
                QTimer::singleShot(std::chrono::seconds(1), this,
                                   [this, attemptsLeft] { watcherAppeared(attemptsLeft - 1); });
            else if (!m_onStatusNotifier)
                m_x11.setWanted(true);
            return;
        }
        m_host = processOwning(kWatcher);
        const bool switched = !m_onStatusNotifier;
        m_onStatusNotifier = true;
        // One icon only: an X11 tray may run beside the host.
        m_x11.setWanted(false);
        if (switched)
            qCInfo(lcTray).noquote() << "the tray is now the StatusNotifierItem host" << m_host;
    });
}

void LiveStatusItem::watcherVanished() {
    m_sni.forgetWatcher();
    if (!m_onStatusNotifier)
        return;
    m_onStatusNotifier = false;
    m_host.clear();
    if (m_x11Tray.isRunning())
        qCInfo(lcTray) << "no StatusNotifierItem host; the icon goes to the X11 tray";
    else if (m_x11Tray.canRun())
        qCInfo(lcTray) << "no StatusNotifierItem host and no X11 tray; the icon shows when a tray starts";
    else
        qCInfo(lcTray) << "no StatusNotifierItem host; the icon shows when one starts";
    m_x11.setWanted(true);
}

QString LiveStatusItem::processOwning(const QString& service) const {
    const auto pid = m_bus.interface()->servicePid(service);
    if (!pid.isValid())
        return m_bus.interface()->serviceOwner(service).value();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid.value()));
    if (!comm.open(QIODevice::ReadOnly))
        return m_bus.interface()->serviceOwner(service).value();
    return QString::fromUtf8(comm.readAll()).trimmed();
}

LiveStatusItem::Tray LiveStatusItem::tray() const {
    if (m_onStatusNotifier)
        return Tray::statusNotifier;
    return m_x11Tray.isRunning() ? Tray::x11 : Tray::none;
}

void LiveStatusItem::setImage(const QIcon& image, bool isTemplate) {
    m_sni.setImage(image, isTemplate);
    m_x11.setImage(image, isTemplate);
}

void LiveStatusItem::setTitle(const QString& title) {
    m_sni.setTitle(title);
    m_x11.setTitle(title);
}

void LiveStatusItem::setToolTip(const QString& toolTip) {
    m_sni.setToolTip(toolTip);
    m_x11.setToolTip(toolTip);
}

void LiveStatusItem::setToolTipOffered(bool offered) {
    m_sni.setToolTipOffered(offered);
    m_x11.setToolTipOffered(offered);
}

void LiveStatusItem::setAction(std::function<void()> action) {
    m_sni.setAction(action);
    m_x11.setAction(std::move(action));
}

void LiveStatusItem::setContextMenu(QMenu* menu) {
    m_sni.setContextMenu(menu);
    m_x11.setContextMenu(menu);
}

std::optional<QRect> LiveStatusItem::geometry() const {
    return m_onStatusNotifier ? m_sni.geometry() : m_x11.geometry();
}

void LiveStatusItem::showMessage(const QString& title, const QString& message) {
    // The desktop's notifications where it has them, whichever tray runs; a window of our own where not.
    notifyDesktop(m_bus, title, message, this, [this, title, message] { m_x11.showMessage(title, message); });
}

bool LiveStatusItem::isAvailable() const {
    return m_onStatusNotifier || m_x11Tray.isRunning();
}

int LiveStatusItem::statusBarThickness() const {
    return m_onStatusNotifier ? m_sni.statusBarThickness() : m_x11.statusBarThickness();
}
