// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopEntry.h"

#include <vector>

namespace desktop_entry {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The raw value of key in the [Desktop Entry] group; the last one wins when a file repeats it.
std::optional<std::string_view> rawValue(std::string_view contents, std::string_view key) {
    std::optional<std::string_view> found;
    bool inMainGroup = false;
    while (!contents.empty()) {
        const auto end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view bare = trimmed(line);
        if (bare.empty() || bare.front() == '#')
            continue;
        if (bare.front() == '[') {
            inMainGroup = bare == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos || trimmed(line.substr(0, equals)) != key)
            continue;
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && isBlank(value.front()))
            value.remove_prefix(1);
        found = value;
    }
    return found;
}

// Undoes the escapes of a string value; an escape it does not know is kept for the quoting rules to read.
std::string unescaped(std::string_view raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += raw[i];
        }
    }
    return out;
}

// Splits a command line into arguments the way session starters do: double quotes with backslash escapes
// for " ` $ and \, single quotes taken literally, a backslash outside quotes escaping the next character.
std::optional<std::vector<std::string>> arguments(std::string_view line) {
    std::vector<std::string> out;
    std::string current;
    bool inArgument = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument)
                out.push_back(std::move(current));
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == '"') {
            for (++i;; ++i) {
                if (i == line.size())
                    return std::nullopt;
                if (line[i] == '"')
                    break;
                const bool escape = line[i] == '\\' && i + 1 < line.size() &&
                                    std::string_view("\"`$\\").find(line[i + 1]) != std::string_view::npos;
                current += escape ? line[++i] : line[i];
            }
        } else if (c == '\'') {
            const auto close = line.find('\'', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            current += line.substr(i + 1, close - i - 1);
            i = close;
        } else if (c == '\\') {
            if (++i == line.size())
                return std::nullopt;
            current += line[i];
        } else {
            current += c;
        }
    }
    if (inArgument)
        out.push_back(std::move(current));
    return out;
}

std::string withoutDoubledPercent(const std::string& argument) {
    std::string out;
    for (size_t i = 0; i < argument.size(); ++i) {
        out += argument[i];
        if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == '%')
            ++i;
    }
    return out;
}

} // namespace

std::optional<std::string> execProgram(std::string_view contents) {
    const auto raw = rawValue(contents, "Exec");
    if (!raw)
        return std::nullopt;
    const auto args = arguments(unescaped(*raw));
    if (!args || args->empty() || args->front().empty())
        return std::nullopt;
    return withoutDoubledPercent(args->front());
}

std::string execValue(std::string_view path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        // A lone % would start a field code.
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return stringValue(quoted);
}

std::string stringValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    // Readers drop trailing blanks from a value, so a space at the end has to be written as an escape.
    size_t blanks = 0;
    while (blanks < out.size() && out[out.size() - 1 - blanks] == ' ')
        ++blanks;
    out.resize(out.size() - blanks);
    for (size_t i = 0; i < blanks; ++i)
        out += "\\s";
    return out;
}

} // namespace desktop_entry
