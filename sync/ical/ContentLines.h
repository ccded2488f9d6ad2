// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtodo {

// The content lines of an iCalendar text, unfolded: a line break (CR LF or a bare LF) followed by a space or a tab
// continues the line before.
std::vector<std::string> unfoldedLines(std::string_view text);

// The value of an unfolded content line: what follows its first colon outside a quoted parameter value.
std::optional<std::string_view> valueOf(std::string_view line);

// The line, with its CR LF, folded into pieces of at most 75 octets, never inside a UTF-8 sequence.
std::string foldedLine(std::string_view line);

// The value of the first property with that name (any case) in the first VTODO of the first VCALENDAR, as it stands
// on the wire: still escaped, spaces at either end kept. Nothing when there is no such property.
std::optional<std::string> firstTaskProperty(std::string_view text, std::string_view name);

} // namespace vtodo
