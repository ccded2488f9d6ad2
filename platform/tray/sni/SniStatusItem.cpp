// SPDX-License-Identifier: GPL-3.0-or-later
#include "SniStatusItem.h"

#include "CountBadge.h"
#include "DBusMenuExporter.h"
#include "DesktopNotification.h"
#include "LogCategories.h"
#include "TrayIconImages.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {
constexpr int kUnknownThickness = 22;
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

class StatusNotifierItemAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    // The desktop file's id: hosts take the name and icon shown in their settings from it.
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ emptyName)
    Q_PROPERTY(SniPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(SniPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(SniPixmaps AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(QString IconThemePath READ emptyName)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconAccessibleDesc READ accessibleDesc)
    Q_PROPERTY(QString AttentionAccessibleDesc READ accessibleDesc)
public:
    explicit StatusNotifierItemAdaptor(SniStatusItem* item) : QDBusAbstractAdaptor(item), m_item(item) {
        connect(item, &SniStatusItem::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
        connect(item, &SniStatusItem::toolTipChanged, this, &StatusNotifierItemAdaptor::NewToolTip);
    }
    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("redizado"); }
    QString title() const { return QStringLiteral("Redizado"); }
    QString status() const { return m_item->status(); }
    int windowId() const { return 0; }
    QString emptyName() const { return {}; }
    SniPixmaps iconPixmap() const { return m_item->iconPixmaps(); }
    SniPixmaps noPixmaps() const { return {}; }
    SniToolTip toolTip() const { return m_item->toolTip(); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(m_item->menuPath()); }
    QString accessibleDesc() const { return m_item->accessibleDescription(); }

public slots:
    void Activate(int x, int y) { m_item->activate(x, y); }
    void SecondaryActivate(int x, int y) { m_item->secondaryActivate(x, y); }
    void ContextMenu(int x, int y) { m_item->showContextMenu(x, y); }
    void Scroll(int, const QString&) {}
    void ProvideXdgActivationToken(const QString& token) { m_item->provideActivationToken(token); }

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    SniStatusItem* m_item;
};
} // namespace

SniStatusItem::SniStatusItem(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())),
      m_menu(std::make_unique<DBusMenuExporter>(m_bus, kMenuPath)) {
    registerSniTypes();
    new StatusNotifierItemAdaptor(this);
    m_bus.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors);
    m_bus.registerService(m_serviceName);
}

SniStatusItem::~SniStatusItem() {
    m_bus.unregisterObject(kItemPath);
    m_bus.unregisterService(m_serviceName);
}

void SniStatusItem::registerWithWatcher(std::function<void(bool)> done) {
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, done = std::move(done)](auto* watcher) {
        watcher->deleteLater();
        const QDBusPendingReply<> reply = *watcher;
        m_registered = !reply.isError();
        if (reply.isError())
            qCWarning(lcTray).noquote() << "the StatusNotifierItem watcher refused the icon:"
                                        << reply.error().message();
        done(m_registered);
    });
}

void SniStatusItem::forgetWatcher() {
    m_registered = false;
}

void SniStatusItem::setBarTone(BarTone bar) {
    m_barTone = bar;
    refreshIcon();
}

void SniStatusItem::setImage(const QIcon& image, bool isTemplate) {
    m_image = image;
    m_isTemplate = isTemplate;
    refreshIcon();
}

void SniStatusItem::setTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    refreshIcon();
    emit toolTipChanged();
}

void SniStatusItem::setToolTip(const QString& toolTip) {
    m_toolTip = toolTip;
    emit toolTipChanged();
}

void SniStatusItem::setToolTipOffered(bool offered) {
    if (offered == m_toolTipOffered)
        return;
    m_toolTipOffered = offered;
    // The host draws the tool tip: only the change tells it to take one down that is showing.
    emit toolTipChanged();
}

void SniStatusItem::setAction(std::function<void()> action) {
    m_action = std::move(action);
}

void SniStatusItem::setContextMenu(QMenu* menu) {
    m_contextMenu = menu;
    m_menu->setMenu(menu);
}

std::optional<QRect> SniStatusItem::geometry() const {
    return m_clickedAt;
}

void SniStatusItem::showMessage(const QString& title, const QString& message) {
    notifyDesktop(m_bus, title, message, this);
}

int SniStatusItem::statusBarThickness() const {
    return kUnknownThickness;
}

SniToolTip SniStatusItem::toolTip() const {
    if (!m_toolTipOffered)
        return {};
    return {QString(), {}, accessibleDescription(), QString()};
}

QString SniStatusItem::accessibleDescription() const {
    const std::optional<int> count = countInTitle(m_title);
    //: %1 is the program's name, or its name and how the last sync went; %n is the number of items to do
    return count ? tr("%1: %n to do", nullptr, *count).arg(m_toolTip) : m_toolTip;
}

QString SniStatusItem::menuPath() const {
    // GNOME's tray extension shows no item without a menu path, so there is always one, empty without a menu.
    return m_menu->path();
}

QString SniStatusItem::status() const {
    return QStringLiteral("Active");
}

void SniStatusItem::activate(int x, int y) {
    // Only the host's activation is a click: its menu opening is a menu, whichever button opened it, or the
    // program could never be quit from the tray.
    actAt(x, y);
}

void SniStatusItem::secondaryActivate(int x, int y) {
    actAt(x, y);
}

void SniStatusItem::actAt(int x, int y) {
    // Hosts give native pixels; 0,0 means they do not know, and then the panel goes to the pointer.
    m_clickedAt.reset();
    if (x != 0 || y != 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
        const QPoint centre(qRound(x / ratio), qRound(y / ratio));
        constexpr int half = kUnknownThickness / 2;
        m_clickedAt = QRect(centre - QPoint(half, half), centre + QPoint(half, half));
    }
    act();
}

void SniStatusItem::act() {
    // Qt's Wayland plugin reads the token when the next window is activated.
    if (!m_activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", std::exchange(m_activationToken, {}).toUtf8());
    if (m_action)
        m_action();
}

void SniStatusItem::showContextMenu(int x, int y) {
    if (m_contextMenu)
        m_contextMenu->popup(QPoint(x, y));
}

void SniStatusItem::refreshIcon() {
    // GNOME's tray builds its icon anew on every NewIcon, and the icon is gone from the bar while it does.
    const DrawnFrom drawnFrom{m_image.cacheKey(), m_isTemplate, m_title, m_barTone};
    if (drawnFrom == m_drawnFrom)
        return;
    m_drawnFrom = drawnFrom;
    m_icon = trayIconImages(m_image, m_isTemplate, m_title, m_barTone);
    m_pixmaps.reset();
    emit iconChanged();
}

SniPixmaps SniStatusItem::iconPixmaps() const {
    if (!m_pixmaps)
        m_pixmaps = sniPixmaps(m_icon);
    return *m_pixmaps;
}

#include "SniStatusItem.moc"
