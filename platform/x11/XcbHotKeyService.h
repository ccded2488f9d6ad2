// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../HotKeyService.h"

#include <memory>

// Global shortcuts on X11: passive key grabs on the root window of Qt's own connection, heard through Qt's
// event loop. Refuses every registration when Qt does not run on xcb.
class XcbHotKeyService final : public HotKeyService {
public:
    // Asking the server for detectable autorepeat is how a held key gives one release; turning it off is for
    // exercising the fallback that tells autorepeat releases apart by their time stamp.
    explicit XcbHotKeyService(bool askForDetectableAutoRepeat = true);
    ~XcbHotKeyService() override;
    XcbHotKeyService(const XcbHotKeyService&) = delete;
    XcbHotKeyService& operator=(const XcbHotKeyService&) = delete;

    Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) override;
    void unregisterHotKey(Handle handle) override;
    void setReleasedHandler(ReleasedHandler handler) override;

private:
    class Grabs;
    std::unique_ptr<Grabs> m_grabs;
};
