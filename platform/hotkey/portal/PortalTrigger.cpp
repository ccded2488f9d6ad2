// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalTrigger.h"

#include "HotKeyService.h"
#include "KeysymNames.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<std::uint32_t, const char*>, 4> modifiers{{
    {HotKeyService::control, "CTRL"},
    {HotKeyService::option, "ALT"},
    {HotKeyService::shift, "SHIFT"},
    {HotKeyService::command, "LOGO"},
}};
} // namespace

std::optional<QString> portalTrigger(std::uint16_t virtualKeyCode, std::uint32_t modifierMask) {
    const auto name = keysymName(virtualKeyCode);
    if (!name)
        return std::nullopt;
    QString trigger;
    for (const auto& [bit, modifier] : modifiers)
        if (modifierMask & bit)
            trigger += QLatin1String(modifier) + QLatin1Char('+');
    return trigger + QString::fromLatin1(name->data(), qsizetype(name->size()));
}
