// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading and writing the few parts of a desktop entry file that login items need.
namespace desktop_entry {

// The program an entry's Exec line starts, unquoted: its first argument. Nothing when the file has no
// [Desktop Entry] Exec line or the line cannot be split into arguments (an unclosed quote).
std::optional<std::string> execProgram(std::string_view contents);

// The Exec value that starts the program at path with no arguments, quoted so that any character survives.
std::string execValue(std::string_view path);

// A value of type string: backslashes, line breaks and tabs escaped.
std::string stringValue(std::string_view text);

} // namespace desktop_entry
