// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <optional>
#include <string>
#include <string_view>

// Property lists to and from their file form (XML on write; XML or binary on read).
namespace plist_codec {

std::string toXml(const plist_value::Dictionary& root);
// nothing when the bytes are not a property list whose root is a dictionary.
std::optional<plist_value::Dictionary> fromBytes(std::string_view bytes, std::string* whyNot = nullptr);

} // namespace plist_codec
