// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vtodo {

// A title as an iCalendar TEXT value: backslash, semicolon and comma escaped, every line break (CR LF, CR or LF) as
// \n, other control characters but tab left out (TEXT cannot hold them), and bytes that are not UTF-8 as U+FFFD.
std::string escapeText(std::string_view text);

// The title a TEXT value holds: \\, \; \, \n and \N undone; a backslash before anything else is kept as it stands,
// so that nothing a lax writer sent is lost. Spaces at either end stay.
std::string unescapeText(std::string_view value);

// A title as every device reads it back once written: what escapeText leaves out or replaces is gone.
std::string readBack(std::string_view text);

} // namespace vtodo
