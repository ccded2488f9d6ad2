// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotKeyService.h"

namespace {
// Where no desktop service was set up (no X11 session), nothing can be grabbed; saying so beats pretending.
class NoHotKeyService final : public HotKeyService {
public:
    Registration registerHotKey(std::uint16_t, std::uint32_t, std::uint32_t) override { return {unavailable, 0}; }
    void unregisterHotKey(Handle) override {}
    void setReleasedHandler(ReleasedHandler) override {}
    Route route() const override { return Route::none; }
};

std::unique_ptr<HotKeyService>& defaultSlot() {
    static std::unique_ptr<HotKeyService> slot;
    return slot;
}
} // namespace

HotKeyService& HotKeyService::defaultService() {
    auto& slot = defaultSlot();
    if (!slot)
        slot = std::make_unique<NoHotKeyService>();
    return *slot;
}

void HotKeyService::setDefaultService(std::unique_ptr<HotKeyService> service) {
    defaultSlot() = std::move(service);
}
