// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlistCodec.h"

#include "PlistApi.h"
#include "RootArrays.h"
#include "XmlPlistWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <plist/plist.h>

namespace plist_codec {
namespace {

using namespace plist_value;

// Property-list dates count from 2001-01-01.
constexpr double kReferenceDateSince1970 = 978307200.0;
// Deeper than any file we write; guards the recursion against a hostile file.
constexpr int kMaxDepth = 256;

struct NodeDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

plist_t toNode(const Value& value);

plist_t toNode(const Dictionary& dict) {
    plist_t node = plist_new_dict();
    for (const auto& [key, value] : dict)
        plist_dict_set_item(node, key.c_str(), toNode(value));
    return node;
}

plist_t toNode(const Value& value) {
    if (auto b = value.get<bool>())
        return plist_new_bool(*b ? 1 : 0);
    if (auto i = value.get<std::int64_t>())
        return plist_api::newInteger(*i);
    if (auto d = value.get<double>())
        return plist_new_real(*d);
    if (auto s = value.get<std::string>()) {
        // A NUL would end the text early and drop the rest; it cannot stand in XML anyway.
        if (s->find('\0') == std::string::npos)
            return plist_new_string(s->c_str());
        std::string text;
        for (char c : *s)
            text += c == '\0' ? std::string("\uFFFD") : std::string(1, c);
        return plist_new_string(text.c_str());
    }
    if (auto date = value.get<Date>()) {
        const FileDate kept = fileDate(*date ? (*date)->secondsSince1970 : 0);
        return plist_new_date(kept.seconds, kept.microseconds);
    }
    if (auto data = value.get<Data>())
        return plist_new_data(reinterpret_cast<const char*>(data->data()), data->size());
    if (auto array = value.get<Array>()) {
        plist_t node = plist_new_array();
        for (const auto& element : *array)
            plist_array_append_item(node, toNode(element));
        return node;
    }
    return toNode(*value.get<Dictionary>());
}

std::optional<Value> fromNode(plist_t node, int depth);

std::optional<Dictionary> dictFromNode(plist_t node, int depth) {
    Dictionary::Entries entries;
    entries.reserve(plist_dict_get_size(node));
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(node, &it);
    for (;;) {
        char* key = nullptr;
        plist_t child = nullptr;
        plist_dict_next_item(node, it, &key, &child);
        if (!child) {
            free(key);
            break;
        }
        auto value = fromNode(child, depth + 1);
        if (value && key)
            entries.emplace_back(key, std::move(*value));
        free(key);
    }
    free(it);
    return Dictionary::fromEntries(std::move(entries));
}

std::optional<Value> fromNode(plist_t node, int depth) {
    if (depth > kMaxDepth)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return Value(b != 0);
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        return Value(static_cast<std::int64_t>(u));
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return Value(d);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        // A key where a value belongs reads as its text; the two getters each accept one type only.
        if (plist_get_node_type(node) == PLIST_KEY) {
            char* s = nullptr;
            plist_get_key_val(node, &s);
            std::string text = s ? s : "";
            free(s);
            return Value(std::move(text));
        }
        // By pointer and length: the copying getter aborts on a string holding a NUL character.
        uint64_t length = 0;
        const char* s = plist_get_string_ptr(node, &length);
        return Value(s ? std::string(s, length) : std::string());
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return Value(makeDate(kReferenceDateSince1970 + sec + usec / 1e6));
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        Data data(bytes, bytes + length);
        free(bytes);
        return Value(std::move(data));
    }
    case PLIST_ARRAY: {
        Array array;
        const uint32_t n = plist_array_get_size(node);
        array.reserve(n);
        for (uint32_t i = 0; i < n; ++i) {
            if (auto element = fromNode(plist_array_get_item(node, i), depth + 1))
                array.push_back(std::move(*element));
        }
        return Value(std::move(array));
    }
    case PLIST_DICT:
        return Value(*dictFromNode(node, depth));
    default:
        return std::nullopt;
    }
}

// The parser and its clean-up recurse per level, so a hand-made file nested deep enough would
// overflow the stack at every start. Counting open and close tags is enough to refuse it first.
bool nestedTooDeeply(std::string_view xml) {
    int depth = 0;
    for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at + 1)) {
        const std::string_view tag = xml.substr(at + 1, 7);
        const bool closing = tag.starts_with('/');
        const std::string_view name = closing ? tag.substr(1) : tag;
        if (!name.starts_with("array") && !name.starts_with("dict"))
            continue;
        const std::size_t end = xml.find('>', at);
        if (end != std::string_view::npos && xml[end - 1] == '/')
            continue; // <array/>
        depth += closing ? -1 : 1;
        if (depth > kMaxDepth)
            return true;
    }
    return false;
}

} // namespace

void Xml::Free::operator()(char* bytes) const {
    plist_api::freeText(bytes);
}

Xml toXml(const Dictionary& root) {
    if (auto text = writeXml(root))
        return Xml(std::move(*text));
    return toXmlThroughLibplist(root);
}

Xml toXmlThroughLibplist(const Dictionary& root) {
    Node node(toNode(root));
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node.get(), &xml, &length);
    return Xml(xml, length);
}

std::optional<Dictionary> fromBytes(std::string_view bytes, std::string* whyNot) {
    auto reason = [&](const char* why) {
        if (whyNot)
            *whyNot = why;
        return std::nullopt;
    };
    if (bytes.empty())
        return reason("the file is empty");
    if (bytes.size() > std::numeric_limits<uint32_t>::max())
        return reason("the file is too large");
    const bool binary = bytes.starts_with("bplist00");
    if (!binary && nestedTooDeeply(bytes))
        return reason("it is nested too deeply");
    // Named rather than guessed: from 2.3 on, libplist's guess also reads JSON and OpenStep text, which the file
    // never is and whose parsers the depth check above does not guard.
    plist_t raw = nullptr;
    const auto length = static_cast<uint32_t>(bytes.size());
    if (binary)
        plist_from_bin(bytes.data(), length, &raw);
    else
        plist_from_xml(bytes.data(), length, &raw);
    Node node(raw);
    if (!node)
        return reason("not a property list");
    if (plist_get_node_type(node.get()) != PLIST_DICT)
        return reason("its top level is not a dictionary");
    return dictFromNode(node.get(), 0);
}

std::optional<WithoutArrays> fromBytesWithoutRootArrays(std::string_view bytes) {
    // The walk refuses text nested too deeply outside the arrays; inside them, the whole read does.
    if (bytes.starts_with("bplist00") || bytes.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    const auto arrays = findRootArrays(bytes);
    if (!arrays)
        return std::nullopt;
    auto values = fromBytes(withRootArraysEmptied(bytes, *arrays));
    if (!values)
        return std::nullopt;
    // Named as the parser names them; an array that was empty in the file as well costs nothing to read again.
    WithoutArrays split;
    for (const auto& [key, value] : *values) {
        const Array* array = value.get<Array>();
        if (array && array->empty())
            split.arrayKeys.push_back(key);
    }
    for (const std::string& key : split.arrayKeys)
        values->erase(key);
    split.values = std::move(*values);
    return split;
}

} // namespace plist_codec
