// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyNameTable.h"

#include "HotKeyService.h"
#include "KeysymNames.h"

#include <array>
#include <utility>

// Codes are key positions on a US layout keyboard; the layout in use never changes them.
// clang-format off
const KeyNameMap& keyNameTable() {
    static const KeyNameMap table{
        // Return, tab, space bar, backspace, escape, Caps Lock, fn
        {"\u21A9", 36}, {"tab", 48}, {"\u23B5", 49}, {"\u232B", 51}, {"esc", 53}, {"\u21EA", 57}, {"fn", 63},
        {"F1", 122}, {"F2", 120}, {"F3", 99}, {"F4", 118}, {"F5", 96}, {"F6", 97}, {"F7", 98}, {"F8", 100},
        {"F9", 101}, {"F10", 109}, {"F11", 103}, {"F12", 111}, {"F13", 105}, {"F14", 107}, {"F15", 113},
        {"F16", 106}, {"F17", 64}, {"F18", 79}, {"F19", 80}, {"F20", 90},
        // arrows: left, right, down, up
        {"\u2190", 123}, {"\u2192", 124}, {"\u2193", 125}, {"\u2191", 126},
        {"-", 27}, {"=", 24}, {";", 41}, {"'", 39}, {"\\", 42}, {".", 47}, {",", 43}, {"/", 44}, {"]", 30},
        {"[", 33}, {"`", 50},
        {"0", 29}, {"1", 18}, {"2", 19}, {"3", 20}, {"4", 21}, {"5", 23}, {"6", 22}, {"7", 26}, {"8", 28},
        {"9", 25},
        {"A", 0}, {"B", 11}, {"C", 8}, {"D", 2}, {"E", 14}, {"F", 3}, {"G", 5}, {"H", 4}, {"I", 34}, {"J", 38},
        {"K", 40}, {"L", 37}, {"M", 46}, {"N", 45}, {"O", 31}, {"P", 35}, {"Q", 12}, {"R", 15}, {"S", 1},
        {"T", 17}, {"U", 32}, {"V", 9}, {"W", 13}, {"X", 7}, {"Y", 16}, {"Z", 6},
        // no key of its own: the position of "A"
        {"None", 0},
    };
    return table;
}
// clang-format on

std::uint32_t modifierMaskForName(std::optional<std::string_view> name) {
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 4> modifiers{{
        {"\u2303", HotKeyService::control},
        {"\u2325", HotKeyService::option},
        {"\u2318", HotKeyService::command},
        {"\u21E7", HotKeyService::shift},
    }};
    if (!name)
        return 0;
    for (const auto& [modifierName, mask] : modifiers) {
        if (*name == modifierName)
            return mask;
    }
    return 0;
}

std::string shownNameForStoredName(std::string_view name) {
    if (const std::uint32_t mask = modifierMaskForName(name))
        return std::string(modifierWord(mask));
    const auto key = keyNameTable().find(name);
    // "None" stands on the position of "A" without being that key.
    if (key == keyNameTable().end() || name == "None")
        return std::string(name);
    std::string word = keyWord(static_cast<std::uint16_t>(key->second));
    return word.empty() ? std::string(name) : word;
}
