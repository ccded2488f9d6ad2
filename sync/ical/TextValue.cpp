// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextValue.h"

#include <cstdint>

namespace vtodo {
namespace {

// The length of the well-formed UTF-8 sequence at i, or 0 when none starts there.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xe  ? 3
                               : (lead >> 3) == 0x1e ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    std::uint32_t code = length == 1 ? lead : lead & (0x7fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3f);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return length;
}

} // namespace

std::string escapeText(std::string_view text) {
    std::string value;
    value.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            value += "\\n";
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            continue;
        }
        if (c == '\\' || c == ';' || c == ',') {
            value += '\\';
            value += c;
            ++i;
            continue;
        }
        const std::size_t length = utf8Length(text, i);
        if (length == 0)
            value += "\xef\xbf\xbd";
        else if (length > 1 || c == '\t' || (c >= 0x20 && c != 0x7f))
            value.append(text.substr(i, length));
        i += length == 0 ? 1 : length;
    }
    return value;
}

std::string unescapeText(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (c != '\\' || (next != '\\' && next != ';' && next != ',' && next != 'n' && next != 'N')) {
            text += c;
            continue;
        }
        text += next == 'n' || next == 'N' ? '\n' : next;
        ++i;
    }
    return text;
}

std::string readBack(std::string_view text) {
    return unescapeText(escapeText(text));
}

} // namespace vtodo
