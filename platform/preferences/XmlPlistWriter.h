// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <optional>
#include <string>

namespace plist_codec {

// The XML file text straight from our values, byte for byte what libplist's writer makes of the same tree, without
// building its tree first. Nothing when the tree holds something only libplist renders faithfully: a key with a NUL
// (libplist cuts it short, and two keys can then collide) or a date that is not a finite time.
std::optional<std::string> writeXml(const plist_value::Dictionary& root);

} // namespace plist_codec
