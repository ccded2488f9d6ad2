// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysymNames.h"

#include "HotKeyService.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {
// Virtual key codes name positions on a US layout; these are the keysyms found there.
// clang-format off
constexpr std::array<std::pair<std::uint16_t, const char*>, 77> keysyms{{
    {0x00, "a"}, {0x0B, "b"}, {0x08, "c"}, {0x02, "d"}, {0x0E, "e"}, {0x03, "f"}, {0x05, "g"}, {0x04, "h"},
    {0x22, "i"}, {0x26, "j"}, {0x28, "k"}, {0x25, "l"}, {0x2E, "m"}, {0x2D, "n"}, {0x1F, "o"}, {0x23, "p"},
    {0x0C, "q"}, {0x0F, "r"}, {0x01, "s"}, {0x11, "t"}, {0x20, "u"}, {0x09, "v"}, {0x0D, "w"}, {0x07, "x"},
    {0x10, "y"}, {0x06, "z"},
    {0x1D, "0"}, {0x12, "1"}, {0x13, "2"}, {0x14, "3"}, {0x15, "4"}, {0x17, "5"}, {0x16, "6"}, {0x1A, "7"},
    {0x1C, "8"}, {0x19, "9"},
    {0x1B, "minus"}, {0x18, "equal"}, {0x29, "semicolon"}, {0x27, "apostrophe"}, {0x2A, "backslash"},
    {0x2F, "period"}, {0x2B, "comma"}, {0x2C, "slash"}, {0x1E, "bracketright"}, {0x21, "bracketleft"},
    {0x32, "grave"},
    {0x24, "Return"}, {0x30, "Tab"}, {0x31, "space"}, {0x33, "BackSpace"}, {0x35, "Escape"}, {0x39, "Caps_Lock"},
    {0x7A, "F1"}, {0x78, "F2"}, {0x63, "F3"}, {0x76, "F4"}, {0x60, "F5"}, {0x61, "F6"}, {0x62, "F7"},
    {0x64, "F8"}, {0x65, "F9"}, {0x6D, "F10"}, {0x67, "F11"}, {0x6F, "F12"}, {0x69, "F13"}, {0x6B, "F14"},
    {0x71, "F15"}, {0x6A, "F16"}, {0x40, "F17"}, {0x4F, "F18"}, {0x50, "F19"}, {0x5A, "F20"},
    {0x7B, "Left"}, {0x7C, "Right"}, {0x7D, "Down"}, {0x7E, "Up"},
}};
// clang-format on

// Keys named after their character are shown as the character, as desktops' settings show them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> keyWords{{
    {"space", "Space"},
    {"BackSpace", "Backspace"},
    {"Escape", "Esc"},
    {"Caps_Lock", "Caps Lock"},
    {"minus", "-"},
    {"equal", "="},
    {"semicolon", ";"},
    {"apostrophe", "'"},
    {"backslash", "\\"},
    {"period", "."},
    {"comma", ","},
    {"slash", "/"},
    {"bracketright", "]"},
    {"bracketleft", "["},
    {"grave", "`"},
    {"Return", "Return"},
    {"Tab", "Tab"},
}};

constexpr std::array<std::pair<std::uint32_t, std::string_view>, 4> modifierWords{{
    {HotKeyService::command, "Super"},
    {HotKeyService::control, "Ctrl"},
    {HotKeyService::option, "Alt"},
    {HotKeyService::shift, "Shift"},
}};
} // namespace

std::optional<std::string_view> keysymName(std::uint16_t virtualKeyCode) {
    const auto found = std::find_if(keysyms.begin(), keysyms.end(),
                                    [virtualKeyCode](const auto& entry) { return entry.first == virtualKeyCode; });
    if (found == keysyms.end())
        return std::nullopt;
    return found->second;
}

std::string keyWord(std::uint16_t virtualKeyCode) {
    const auto keysym = keysymName(virtualKeyCode);
    if (!keysym)
        return {};
    const auto known =
        std::find_if(keyWords.begin(), keyWords.end(), [&](const auto& e) { return e.first == *keysym; });
    if (known != keyWords.end())
        return std::string(known->second);
    std::string key(*keysym);
    if (key.size() == 1)
        key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
    return key;
}

std::string_view modifierWord(std::uint32_t modifierBit) {
    const auto found = std::find_if(modifierWords.begin(), modifierWords.end(),
                                    [modifierBit](const auto& entry) { return entry.first == modifierBit; });
    return found == modifierWords.end() ? std::string_view() : found->second;
}

std::string readableCombination(std::uint16_t virtualKeyCode, std::uint32_t modifierMask) {
    std::string key = keyWord(virtualKeyCode);
    if (key.empty())
        return {};
    std::string words;
    for (const auto& [bit, word] : modifierWords)
        if (modifierMask & bit)
            words.append(word).append("+");
    return words + key;
}
