// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

// xcb hands replies over as malloc'd memory.
struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeXcbReply>;

inline xcb_atom_t internXcbAtom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}
