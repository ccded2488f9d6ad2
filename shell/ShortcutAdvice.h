// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotKeyService.h"

#include <QProcessEnvironment>
#include <QString>

#include <cstdint>
#include <optional>

// Compositors that bind keys only from their own configuration file.
enum class Compositor { sway, hyprland, other };

Compositor runningCompositor(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

struct ShortcutCombination {
    std::uint16_t virtualKeyCode = 0;
    std::uint32_t modifierMask = 0;
};

// The combination in the words desktops show it in ("Ctrl+Space"); empty for a key no desktop can bind.
QString readableCombination(ShortcutCombination combination);

// The line that binds the combination to "program toggle" in the compositor's configuration; empty where the
// compositor has no such file or the key has no name there.
QString compositorBindingLine(Compositor compositor, ShortcutCombination combination, const QString& program);
// Where that line goes, as a user would type the path.
QString compositorConfigPath(Compositor compositor);

// Everything the settings pane weighs to say how the shortcut reaches the program here.
struct ShortcutSituation {
    HotKeyService::Route route = HotKeyService::Route::none;
    bool switchedOn = false;
    std::optional<std::int32_t> status; // the last registration's, nothing while none is held
    bool desktopAnswered = false;       // the desktop answered the registration after it returned
    QString boundTrigger;               // what the desktop says it bound
    std::optional<ShortcutCombination> combination;
    Compositor compositor = Compositor::other;
};

// The words under the shortcut's pop-ups; empty when there is nothing to say.
QString shortcutAdvice(const ShortcutSituation& situation);
