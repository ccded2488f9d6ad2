// SPDX-License-Identifier: GPL-3.0-or-later
// The libplist calls whose form changed in version 2.3, one way for both versions.
#pragma once

#include <cstdint>
#include <plist/plist.h>

namespace plist_api {

inline void freeText(char* text) {
#ifdef REDIZADO_LIBPLIST_2_3
    plist_mem_free(text);
#else
    plist_to_xml_free(text);
#endif
}

// From 2.3 on, an unsigned node above the signed range is written unsigned, so a negative number needs a signed
// node to be written as itself; before, every integer node was written signed.
inline plist_t newInteger(std::int64_t value) {
#ifdef REDIZADO_LIBPLIST_2_3
    return plist_new_int(value);
#else
    return plist_new_uint(static_cast<uint64_t>(value));
#endif
}

} // namespace plist_api
