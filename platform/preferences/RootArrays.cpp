// SPDX-License-Identifier: GPL-3.0-or-later
#include "RootArrays.h"

#include <algorithm>

namespace plist_codec {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::size_t kMaxDepth = 256;

// Just past the '>' that ends the tag opened at `at`; a '>' within quotes is an attribute's.
std::size_t tagEnd(std::string_view xml, std::size_t at) {
    for (std::size_t i = at + 1; i < xml.size(); ++i) {
        if (xml[i] == '>')
            return i + 1;
        if (xml[i] == '"' || xml[i] == '\'') {
            i = xml.find(xml[i], i + 1);
            if (i == npos)
                return npos;
        }
    }
    return npos;
}

// Past a comment, processing instruction, CDATA section or declaration opened at `at`; `at` itself when it opens
// an element; npos when it is never closed or declares anything of its own.
std::size_t pastMarkup(std::string_view xml, std::size_t at) {
    const std::string_view rest = xml.substr(at);
    auto past = [&](std::string_view open, std::string_view close) {
        const std::size_t end = xml.find(close, at + open.size());
        return end == npos ? npos : end + close.size();
    };
    if (rest.starts_with("<!--"))
        return past("<!--", "-->");
    if (rest.starts_with("<![CDATA["))
        return past("<![CDATA[", "]]>");
    if (rest.starts_with("<?"))
        return past("<?", "?>");
    if (rest.starts_with("<!")) {
        const std::size_t end = tagEnd(xml, at);
        // An internal subset may declare entities, which would change what a key or a value reads as.
        if (end == npos || xml.substr(at, end - at).find('[') != npos)
            return npos;
        return end;
    }
    return at;
}

bool isTag(std::string_view xml, std::size_t at, std::string_view opening) {
    if (xml.compare(at, opening.size(), opening) != 0 || at + opening.size() >= xml.size())
        return false;
    const char next = xml[at + opening.size()];
    return next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\r' || next == '\n';
}

// Just past the </array> that closes the array whose contents start at `at`. Only arrays and dictionaries are
// followed in between, to refuse nesting the parser cannot take at once: whether the rest is well formed is for
// the whole read to say when the list is read.
std::size_t pastArray(std::string_view xml, std::size_t at) {
    std::size_t depth = 1;
    for (at = xml.find('<', at); at != npos; at = xml.find('<', at)) {
        // Most tags are an item's keys and values: told by the letter after '<' or "</" without a closer look.
        const char first = at + 1 < xml.size() ? xml[at + 1] : '\0';
        const std::string_view name = xml.substr(at + (first == '/' ? 2 : 1), 2);
        if (first != '!' && first != '?' && name != "ar" && name != "di") {
            ++at;
            continue;
        }
        if (const std::size_t past = pastMarkup(xml, at); past != at) {
            at = past;
            continue;
        }
        const bool opens = isTag(xml, at, "<array") || isTag(xml, at, "<dict");
        const bool closesArray = !opens && isTag(xml, at, "</array");
        if (!opens && !closesArray && !isTag(xml, at, "</dict")) {
            ++at;
            continue;
        }
        const std::size_t end = tagEnd(xml, at);
        if (end == npos)
            return npos;
        if (opens && xml[end - 2] != '/' && ++depth > kMaxDepth)
            return npos;
        if (!opens && --depth == 0)
            return closesArray ? end : npos;
        at = end;
    }
    return npos;
}

} // namespace

std::optional<std::vector<Span>> findRootArrays(std::string_view xml) {
    std::vector<std::string_view> open; // the elements open, outermost first: plist, dict, ...
    std::vector<Span> arrays;
    bool sawRoot = false;
    for (std::size_t at = xml.find('<'); at != npos; at = xml.find('<', at)) {
        if (const std::size_t past = pastMarkup(xml, at); past != at) {
            if (past == npos)
                return std::nullopt;
            at = past;
            continue;
        }
        const std::size_t end = tagEnd(xml, at);
        if (end == npos)
            return std::nullopt;
        const bool closing = xml[at + 1] == '/';
        const bool selfClosing = xml[end - 2] == '/';
        const std::size_t nameBegin = at + (closing ? 2 : 1);
        const std::size_t nameEnd = std::min(xml.find_first_of(" \t\r\n/>", nameBegin), end);
        const std::string_view name = xml.substr(nameBegin, nameEnd - nameBegin);
        const std::size_t tagBegin = at;
        at = end;
        if (closing) {
            if (open.empty() || open.back() != name)
                return std::nullopt;
            open.pop_back();
            continue;
        }
        const std::size_t depth = open.size();
        if ((depth == 0 && (sawRoot || name != "plist")) || (depth == 1 && name != "dict"))
            return std::nullopt;
        sawRoot = true;
        if (selfClosing)
            continue;
        if (depth == 2 && name == "array") {
            at = pastArray(xml, end);
            if (at == npos)
                return std::nullopt;
            arrays.push_back({tagBegin, at});
            continue;
        }
        // What is read at once must not be nested deeper than the parser's recursion can take.
        if (depth > kMaxDepth)
            return std::nullopt;
        open.push_back(name);
    }
    if (!sawRoot || !open.empty())
        return std::nullopt;
    return arrays;
}

std::string withRootArraysEmptied(std::string_view xml, const std::vector<Span>& arrays) {
    std::string rest;
    std::size_t from = 0;
    for (const Span& array : arrays) {
        rest.append(xml.substr(from, array.begin - from));
        rest.append("<array/>");
        from = array.end;
    }
    rest.append(xml.substr(from));
    return rest;
}

} // namespace plist_codec
