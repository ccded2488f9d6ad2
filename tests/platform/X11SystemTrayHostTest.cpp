// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11SystemTrayHost.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
// A tray of the test's own, on a connection of its own, speaking the system tray protocol as trays do.
class MiniTray {
public:
    MiniTray() : m_c(xcb_connect(nullptr, nullptr)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        m_window = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, root, 0, 0, 200, 24, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(m_c, m_window);
        const xcb_atom_t selection = atom("_NET_SYSTEM_TRAY_S0");
        xcb_set_selection_owner(m_c, m_window, selection, XCB_CURRENT_TIME);
        xcb_client_message_event_t announcement{};
        announcement.response_type = XCB_CLIENT_MESSAGE;
        announcement.format = 32;
        announcement.window = root;
        announcement.type = atom("MANAGER");
        announcement.data.data32[1] = selection;
        announcement.data.data32[2] = m_window;
        xcb_send_event(m_c, 0, root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&announcement));
        xcb_flush(m_c);
    }
    // Its windows go with the connection; an icon it took in goes back to the screen, as from a tray that quits.
    ~MiniTray() { xcb_disconnect(m_c); }

    // Red, green and blue of the icons' foreground, then of the error, warning and success colours.
    void setColours(std::uint32_t foreground) {
        const std::uint32_t colours[12] = {foreground, foreground, foreground};
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, atom("_NET_SYSTEM_TRAY_COLORS"), XCB_ATOM_CARDINAL,
                            32, 12, colours);
        xcb_flush(m_c);
    }
    // The window named by the next dock request, or 0.
    xcb_window_t dockRequest() {
        const xcb_atom_t opcode = atom("_NET_SYSTEM_TRAY_OPCODE");
        xcb_window_t asked = 0;
        (void)QTest::qWaitFor([&] {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
                const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
                if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE && message->type == opcode &&
                    message->data.data32[1] == 0)
                    asked = message->data.data32[2];
                std::free(event);
            }
            return asked != 0;
        });
        return asked;
    }
    // Taken in, not mapped: the icon shows itself once it is in place.
    void embed(xcb_window_t icon) {
        xcb_change_save_set(m_c, XCB_SET_MODE_INSERT, icon);
        xcb_reparent_window(m_c, icon, m_window, 0, 0);
        xcb_flush(m_c);
    }

private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    xcb_connection_t* m_c;
    xcb_window_t m_window = 0;
};

TEST(X11SystemTrayHost, FollowsATrayThatStartsDocksTheIconWithoutAFlashTakesTheTraysColoursAndSeesItGo) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "no X server for this test";
    X11SystemTrayHost host;
    QSignalSpy changes(&host, &SystemTrayHost::changed);
    EXPECT_FALSE(host.isRunning());
    auto tray = std::make_unique<MiniTray>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isRunning(); }));
    tray->setColours(0xffff);
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.barTone() == BarTone::Dark; }));

    QWidget icon;
    icon.resize(22, 22);
    host.dock(icon);
    const xcb_window_t asked = tray->dockRequest();
    ASSERT_EQ(asked, icon.winId());
    EXPECT_FALSE(icon.isVisible()) << "shown before it is in the tray, it flashes in the screen's corner";
    tray->embed(asked);
    ASSERT_TRUE(QTest::qWaitFor([&] { return icon.isVisible(); }));
    // Across a bar, the icon's place takes the bar's whole depth.
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.visibleGeometry(icon) == QRect(0, 0, 22, 24); }));

    tray.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !host.isRunning(); }));
    EXPECT_EQ(changes.count(), 2);
}
} // namespace
