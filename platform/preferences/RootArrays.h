// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The arrays held by an XML property list's root dictionary, found by a walk over its tags that parses nothing:
// the settings can be read at once from the text with those arrays emptied, the item lists when they are needed.
namespace plist_codec {

// From its <array> to just past its </array>.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Nothing when the text is not plainly laid out (a DOCTYPE with declarations of its own, an element left open or
// closed out of turn, a root that is no dictionary): such a file is read whole.
std::optional<std::vector<Span>> findRootArrays(std::string_view xml);

// The text with each of those arrays written as an empty one, so its key still reads exactly as the parser reads it.
std::string withRootArraysEmptied(std::string_view xml, const std::vector<Span>& arrays);

} // namespace plist_codec
