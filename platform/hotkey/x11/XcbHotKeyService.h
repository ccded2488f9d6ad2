// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"

#include <memory>

// Global shortcuts on X11: passive key grabs on the root window of Qt's own connection, heard through Qt's
// event loop. Refuses every registration when Qt does not run on xcb.
class XcbHotKeyService final : public HotKeyService {
public:
    // With detectable autorepeat the server sends one release for a held key. Turning it off (for Qt's whole
    // connection) exercises the fallback for servers without it, which tells repeats apart by their time stamp.
    explicit XcbHotKeyService(bool detectableAutoRepeat = true);
    ~XcbHotKeyService() override;
    XcbHotKeyService(const XcbHotKeyService&) = delete;
    XcbHotKeyService& operator=(const XcbHotKeyService&) = delete;

    Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) override;
    void unregisterHotKey(Handle handle) override;
    void setReleasedHandler(ReleasedHandler handler) override;
    Route route() const override { return Route::grab; }

private:
    class Grabs;
    std::unique_ptr<Grabs> m_grabs;
};
