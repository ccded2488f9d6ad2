// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11SystemTrayHost.h"

#include "LogCategories.h"
#include "XcbReplies.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {
constexpr std::uint32_t kRequestDock = 0;

xcb_connection_t* connection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Adds to what this client already hears from a window: selecting replaces the whole mask, Qt's part included.
void listenTo(xcb_connection_t* c, xcb_window_t window, std::uint32_t events) {
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!attributes)
        return;
    const std::uint32_t mask = attributes->your_event_mask | events;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

std::optional<QRect> windowOnScreen(xcb_connection_t* c, xcb_window_t window, xcb_window_t root) {
    const XcbReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const XcbReply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
    if (!geometry || !origin)
        return std::nullopt;
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}
} // namespace

X11SystemTrayHost::X11SystemTrayHost(QObject* parent) : SystemTrayHost(parent) {
    xcb_connection_t* c = connection();
    if (!c)
        return;
    // Trays of other screens of a multi-screen display are rare enough to leave out.
    m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    m_selection = internXcbAtom(c, "_NET_SYSTEM_TRAY_S0");
    m_managerAtom = internXcbAtom(c, "MANAGER");
    m_opcode = internXcbAtom(c, "_NET_SYSTEM_TRAY_OPCODE");
    m_colors = internXcbAtom(c, "_NET_SYSTEM_TRAY_COLORS");
    // A tray that starts announces itself to the root window's structure listeners.
    listenTo(c, m_root, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    QCoreApplication::instance()->installNativeEventFilter(this);
    refresh();
}

X11SystemTrayHost::~X11SystemTrayHost() {
    if (m_root && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11SystemTrayHost::refresh() {
    xcb_connection_t* c = connection();
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, m_selection), nullptr));
    const std::uint32_t manager = owner ? owner->owner : 0;
    const bool replaced = manager != m_manager;
    if (replaced) {
        m_manager = manager;
        if (m_manager) {
            // To hear the tray go away and change its colours.
            listenTo(c, m_manager, XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE);
            qCInfo(lcTray) << "an X11 system tray runs";
        } else {
            qCInfo(lcTray) << "no X11 system tray runs";
        }
    }
    const BarTone tone = readBarTone();
    const bool recoloured = tone != m_barTone;
    m_barTone = tone;
    if (replaced)
        emit changed();
    if (recoloured)
        emit barToneChanged();
}

BarTone X11SystemTrayHost::readBarTone() const {
    if (!m_manager)
        return BarTone::Unknown;
    xcb_connection_t* c = connection();
    // Twelve cardinals, 16 bits a channel: the foreground, then the error, warning and success colours.
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, m_manager, m_colors, XCB_ATOM_CARDINAL, 0, 12), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 12)
        return BarTone::Unknown;
    const auto* rgb = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const QColor foreground = QColor::fromRgba64(rgb[0] & 0xffff, rgb[1] & 0xffff, rgb[2] & 0xffff);
    // Light text is meant for a dark bar.
    return foreground.lightnessF() > 0.5 ? BarTone::Dark : BarTone::Light;
}

void X11SystemTrayHost::dock(QWidget& icon) {
    xcb_connection_t* c = connection();
    if (!c || !m_manager)
        return;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = m_manager;
    request.type = m_opcode;
    request.data.data32[0] = XCB_CURRENT_TIME;
    request.data.data32[1] = kRequestDock;
    request.data.data32[2] = static_cast<std::uint32_t>(icon.winId());
    m_docking = &icon;
    xcb_send_event(c, 0, m_manager, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&request));
    xcb_flush(c);
}

std::optional<QRect> X11SystemTrayHost::visibleGeometry(const QWidget& icon) const {
    xcb_connection_t* c = connection();
    if (!c || !icon.internalWinId())
        return std::nullopt;
    // Trays clip their icons' windows, and some report sizes they never show: what shows is the window cut by
    // each window it sits in.
    xcb_window_t window = static_cast<xcb_window_t>(icon.internalWinId());
    std::optional<QRect> visible = windowOnScreen(c, window, m_root);
    std::optional<QRect> bar;
    while (visible && !visible->isEmpty() && window != m_root) {
        const XcbReply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == XCB_WINDOW_NONE)
            break;
        window = tree->parent;
        if (window == m_root)
            break;
        bar = windowOnScreen(c, window, m_root);
        if (!bar)
            return std::nullopt;
        visible = visible->intersected(*bar);
    }
    // Across the bar the icon takes the bar's whole depth, so that the panel hangs under the bar, not under the
    // icon, where the bar leaves no mark on the screen's work area.
    if (visible && bar && !visible->isEmpty()) {
        if (bar->width() >= bar->height())
            visible = QRect(visible->x(), bar->y(), visible->width(), bar->height());
        else
            visible = QRect(bar->x(), visible->y(), bar->width(), visible->height());
    }
    if (!visible || visible->isEmpty())
        return std::nullopt;
    // X11 speaks device pixels; the rest of the program device-independent ones.
    const qreal ratio = icon.windowHandle() ? icon.windowHandle()->devicePixelRatio() : 1.0;
    return QRect(QPoint(qRound(visible->x() / ratio), qRound(visible->y() / ratio)),
                 QSize(qRound(visible->width() / ratio), qRound(visible->height() / ratio)));
}

bool X11SystemTrayHost::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    bool concerned = false;
    switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto* announcement = reinterpret_cast<const xcb_client_message_event_t*>(event);
        concerned = announcement->type == m_managerAtom && announcement->data.data32[1] == m_selection;
        break;
    }
    case XCB_DESTROY_NOTIFY:
        concerned = m_manager && reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == m_manager;
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        concerned = m_manager && change->window == m_manager && change->atom == m_colors;
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        const auto* moved = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
        if (m_docking && moved->window == m_docking->internalWinId() && moved->parent != m_root)
            std::exchange(m_docking, nullptr)->show();
        break;
    }
    default:
        break;
    }
    if (concerned)
        refresh();
    return false;
}
