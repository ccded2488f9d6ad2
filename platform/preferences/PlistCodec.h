// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Property lists to and from their file form (XML on write; XML or binary on read).
namespace plist_codec {

// XML text in the buffer it was written to: a save writes and hashes it without copying a megabyte first.
class Xml {
public:
    // A buffer libplist wrote.
    Xml(char* bytes, std::size_t length) : m_bytes(bytes), m_length(bytes ? length : 0) {}
    explicit Xml(std::string text) : m_text(std::move(text)), m_length(m_text.size()) {}

    std::string_view text() const { return m_bytes ? std::string_view(m_bytes.get(), m_length) : m_text; }
    operator std::string_view() const { return text(); }
    operator std::string() const { return std::string(text()); }

private:
    struct Free {
        void operator()(char* bytes) const;
    };
    std::unique_ptr<char, Free> m_bytes;
    std::string m_text;
    std::size_t m_length;
};

Xml toXml(const plist_value::Dictionary& root);
// The same text by way of a libplist tree and its writer: where toXml falls back to, and the reference it must match.
Xml toXmlThroughLibplist(const plist_value::Dictionary& root);
// nothing when the bytes are not a property list whose root is a dictionary.
std::optional<plist_value::Dictionary> fromBytes(std::string_view bytes, std::string* whyNot = nullptr);

// The root dictionary without its arrays, read from XML in a fraction of the time the whole takes when they hold
// the items; the keys left out are named. Their values (and whether the file reads at all) come from fromBytes.
struct WithoutArrays {
    plist_value::Dictionary values;
    std::vector<std::string> arrayKeys;
};
// Nothing when the bytes cannot be split so (binary, unusual XML, or unreadable): read them whole then.
std::optional<WithoutArrays> fromBytesWithoutRootArrays(std::string_view bytes);

} // namespace plist_codec
