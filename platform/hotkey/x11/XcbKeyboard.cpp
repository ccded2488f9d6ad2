// SPDX-License-Identifier: GPL-3.0-or-later
#include "XcbKeyboard.h"

#include "HotKeyService.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
// The XKB header names a member "explicit"; C++ needs it spelled otherwise.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

namespace {
constexpr xcb_keysym_t numLockKeysym = 0xff7f;
constexpr xcb_keysym_t scrollLockKeysym = 0xff14;
} // namespace

std::uint16_t xModifiers(std::uint32_t mask) {
    std::uint16_t modifiers = 0;
    if (mask & HotKeyService::control)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (mask & HotKeyService::option)
        modifiers |= XCB_MOD_MASK_1;
    if (mask & HotKeyService::command)
        modifiers |= XCB_MOD_MASK_4;
    if (mask & HotKeyService::shift)
        modifiers |= XCB_MOD_MASK_SHIFT;
    return modifiers;
}

// Which ModN bits the locks sit on differs between servers and keymaps: read it, never assume Mod2.
std::uint16_t lockModifiers(xcb_connection_t* connection) {
    std::uint16_t locks = XCB_MOD_MASK_LOCK;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    xcb_get_modifier_mapping_reply_t* map =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (symbols && map) {
        const xcb_keycode_t* mapped = xcb_get_modifier_mapping_keycodes(map);
        const int perModifier = map->keycodes_per_modifier;
        for (const xcb_keysym_t keysym : {numLockKeysym, scrollLockKeysym}) {
            xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
            for (int index = 0; codes && index < 8 * perModifier; ++index) {
                for (const xcb_keycode_t* code = codes; *code != XCB_NO_SYMBOL; ++code) {
                    if (mapped[index] == *code)
                        locks |= static_cast<std::uint16_t>(1u << (index / perModifier));
                }
            }
            std::free(codes);
        }
    }
    std::free(map);
    if (symbols)
        xcb_key_symbols_free(symbols);
    return locks;
}

std::vector<std::uint16_t> lockVariants(std::uint16_t locks) {
    std::vector<std::uint16_t> variants{0};
    for (unsigned bit = 0; bit < 8; ++bit) {
        const auto lock = static_cast<std::uint16_t>(1u << bit);
        if (!(locks & lock))
            continue;
        const std::size_t count = variants.size();
        for (std::size_t i = 0; i < count; ++i)
            variants.push_back(variants[i] | lock);
    }
    return variants;
}

bool setDetectableAutoRepeat(xcb_connection_t* connection, bool detectable) {
    xcb_xkb_use_extension_reply_t* use = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr);
    const bool hasXkb = use && use->supported;
    std::free(use);
    if (!hasXkb)
        return false;
    const auto flag = static_cast<std::uint32_t>(XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT);
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, detectable ? flag : 0, 0, 0, 0),
        nullptr);
    const bool granted = reply && (reply->value & flag);
    std::free(reply);
    return granted;
}
