// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// One system-wide key combination per registration. The key is a physical key position (virtual key code) and
// the modifiers are bits of HotKeyService::Modifier; the handler hears each release of a registered combination.
class HotKeyService {
public:
    using Handle = std::uint64_t;
    using ReleasedHandler = std::function<void(std::uint32_t id)>;

    enum Modifier : std::uint32_t {
        command = 0x0100,
        shift = 0x0200,
        option = 0x0800,
        control = 0x1000,
    };

    enum Status : std::int32_t {
        ok = 0,
        taken = 1,       // another program holds the combination
        unsupported = 2, // the key or the modifiers cannot be grabbed here
        unavailable = 3, // no desktop session offers global shortcuts
    };

    // How a combination reaches the program on this desktop; the settings pane tells the user which.
    enum class Route {
        grab,            // the X server hands the keys to us (an X11 session)
        portal,          // the desktop portal binds the shortcut for the whole session (Wayland)
        desktopSettings, // the desktop's own keyboard settings run "redizado toggle" (GNOME on Wayland)
        none,            // nothing here binds keys: the user binds "redizado toggle" in the desktop by hand
    };

    struct Registration {
        std::int32_t status = ok;
        Handle handle = 0; // meaningful only when status is ok
    };

    virtual ~HotKeyService() = default;

    virtual Registration registerHotKey(std::uint16_t virtualKeyCode, std::uint32_t modifierMask, std::uint32_t id) = 0;
    // An unknown or already removed handle is ignored.
    virtual void unregisterHotKey(Handle handle) = 0;
    // Called once per release of a registered combination, with the id it was registered with.
    virtual void setReleasedHandler(ReleasedHandler handler) = 0;

    virtual Route route() const = 0;
    // The combination as the desktop names it ("Ctrl+Space") once the desktop has bound it; empty before, after a
    // refusal, and where the desktop does not say.
    virtual std::string boundTrigger() const { return {}; }
    // Called when the desktop answers a registration after registerHotKey returned, or changes the binding later
    // (the user chose another trigger in the desktop's settings): boundTrigger may read differently now.
    void setBindingChangedHandler(std::function<void()> handler) { m_bindingChanged = std::move(handler); }

protected:
    void bindingChanged() const {
        if (m_bindingChanged)
            m_bindingChanged();
    }

private:
    std::function<void()> m_bindingChanged;
};

// Where no desktop service offers global shortcuts: every registration is refused as unavailable, which the
// settings pane explains, rather than pretending to hold the keys.
class NoHotKeyService final : public HotKeyService {
public:
    Registration registerHotKey(std::uint16_t, std::uint32_t, std::uint32_t) override { return {unavailable, 0}; }
    void unregisterHotKey(Handle) override {}
    void setReleasedHandler(ReleasedHandler) override {}
    Route route() const override { return Route::none; }
};
