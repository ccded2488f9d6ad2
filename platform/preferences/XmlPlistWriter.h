// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace plist_codec {

// The XML file text straight from our values, byte for byte what libplist's writer makes of the same tree, without
// building its tree first. Nothing when the tree holds a key with a NUL, which only libplist renders faithfully (it
// cuts the key short, and two keys can then collide).
std::optional<std::string> writeXml(const plist_value::Dictionary& root);

// A dictionary of texts and true/false values as writeXml writes it at that depth of the file, appended to out: for
// a list too long to build as values first. The keys come in order and hold no NUL; there is at least one.
using FlatEntry = std::pair<std::string_view, std::variant<std::string_view, bool>>;
void appendFlatDictionary(std::string& out, std::initializer_list<FlatEntry> entries, unsigned depth);

// A date as the file keeps it: seconds since 2001 within 32 bits, and microseconds. A time out of that range is
// held at its end, and one that is not a number is 2001 itself.
struct FileDate {
    std::int32_t seconds;
    std::int32_t microseconds;
};
FileDate fileDate(double secondsSince1970);

} // namespace plist_codec
