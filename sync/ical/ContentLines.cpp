// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentLines.h"

#include <algorithm>
#include <utility>

namespace vtodo {
namespace {

bool sameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
    });
}

// The property name of a line: up to its first parameter or its value.
std::string_view nameOf(std::string_view line) {
    return line.substr(0, std::min(line.find(';'), line.find(':')));
}

} // namespace

std::optional<std::string_view> valueOf(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return line.substr(i + 1);
    }
    return std::nullopt;
}

std::vector<std::string> unfoldedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!lines.empty() && !line.empty() && (line.front() == ' ' || line.front() == '\t'))
            lines.back().append(line.substr(1));
        else
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string foldedLine(std::string_view line) {
    std::string folded;
    folded.reserve(line.size() + line.size() / 70 * 3 + 2);
    std::size_t room = 75;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t length = 1;
        while (i + length < line.size() && (static_cast<unsigned char>(line[i + length]) & 0xc0) == 0x80)
            ++length;
        if (length > room) {
            folded += "\r\n ";
            room = 74;
        }
        folded.append(line.substr(i, length));
        room -= std::min(room, length);
        i += length;
    }
    return folded + "\r\n";
}

std::optional<std::string> firstTaskProperty(std::string_view text, std::string_view name) {
    // The components open at each line; only the first VCALENDAR and the first VTODO in it are named.
    std::vector<std::string_view> open;
    bool calendarSeen = false;
    bool taskSeen = false;
    for (const std::string& line : unfoldedLines(text)) {
        const std::string_view lineName = nameOf(line);
        const std::optional<std::string_view> value = valueOf(line);
        if (!value)
            continue;
        if (sameText(lineName, "BEGIN")) {
            const bool first = open.empty() ? sameText(*value, "VCALENDAR") && !std::exchange(calendarSeen, true)
                                            : open.size() == 1 && !open[0].empty() && sameText(*value, "VTODO") &&
                                                  !std::exchange(taskSeen, true);
            open.push_back(first ? *value : std::string_view());
        } else if (sameText(lineName, "END")) {
            if (open.size() == 2 && !open[1].empty())
                return std::nullopt;
            if (!open.empty())
                open.pop_back();
        } else if (open.size() == 2 && !open[1].empty() && sameText(lineName, name)) {
            return std::string(*value);
        }
    }
    return std::nullopt;
}

} // namespace vtodo
