// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutAdvice.h"

#include "KeysymNames.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// The modifiers' own names in a compositor's configuration, in the order given.
QString modifierNames(std::uint32_t mask, std::initializer_list<std::pair<std::uint32_t, const char*>> names) {
    QStringList out;
    for (const auto& [bit, name] : names)
        if (mask & bit)
            out << QLatin1String(name);
    return out.join(QLatin1Char('+'));
}

// A path with spaces or quotes still reaches the shell that runs the binding as one word.
QString shellWord(const QString& word) {
    static const QString plain = QStringLiteral("/._-+");
    const bool safe =
        std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber() || plain.contains(c); });
    if (safe && !word.isEmpty())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
} // namespace

Compositor runningCompositor(const QProcessEnvironment& environment) {
    const QStringList desktops = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    if (environment.contains(QStringLiteral("SWAYSOCK")) ||
        desktops.contains(QStringLiteral("sway"), Qt::CaseInsensitive))
        return Compositor::sway;
    if (environment.contains(QStringLiteral("HYPRLAND_INSTANCE_SIGNATURE")) ||
        desktops.contains(QStringLiteral("Hyprland"), Qt::CaseInsensitive))
        return Compositor::hyprland;
    return Compositor::other;
}

QString readableCombination(ShortcutCombination combination) {
    return QString::fromStdString(::readableCombination(combination.virtualKeyCode, combination.modifierMask));
}

QString compositorBindingLine(Compositor compositor, ShortcutCombination combination, const QString& program) {
    const auto keysym = keysymName(combination.virtualKeyCode);
    if (!keysym || compositor == Compositor::other)
        return {};
    const QString key = QString::fromLatin1(keysym->data(), qsizetype(keysym->size()));
    const QString command = shellWord(program) + QStringLiteral(" toggle");
    const std::uint32_t mask = combination.modifierMask;
    if (compositor == Compositor::sway) {
        // --to-code: the key stays where it is whatever layout is active, as the shortcut means it.
        QString keys = modifierNames(mask, {{HotKeyService::control, "Ctrl"},
                                            {HotKeyService::option, "Mod1"},
                                            {HotKeyService::shift, "Shift"},
                                            {HotKeyService::command, "Mod4"}});
        keys += (keys.isEmpty() ? QString() : QStringLiteral("+")) + key;
        return QStringLiteral("bindsym --to-code %1 exec %2").arg(keys, command);
    }
    QString modifiers = modifierNames(mask, {{HotKeyService::control, "CTRL"},
                                             {HotKeyService::option, "ALT"},
                                             {HotKeyService::shift, "SHIFT"},
                                             {HotKeyService::command, "SUPER"}});
    modifiers.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QStringLiteral("bind = %1, %2, exec, %3").arg(modifiers, key, command);
}

QString compositorConfigPath(Compositor compositor) {
    switch (compositor) {
    case Compositor::sway:
        return QStringLiteral("~/.config/sway/config");
    case Compositor::hyprland:
        return QStringLiteral("~/.config/hypr/hyprland.conf");
    case Compositor::other:
        break;
    }
    return {};
}

QString shortcutAdvice(const ShortcutSituation& s) {
    using Route = HotKeyService::Route;
    const QString combination = s.combination ? readableCombination(*s.combination) : QString();
    const QString byHand = QCoreApplication::translate(
        "ShortcutAdvice", "Bind \u201credizado toggle\u201d to a combination in the desktop\u2019s keyboard settings.");
    if (s.route == Route::none) {
        if (s.compositor == Compositor::other || !s.combination)
            return QCoreApplication::translate("ShortcutAdvice", "This desktop lets no program bind keys.") +
                   QLatin1Char(' ') + byHand;
        //: %1 is the compositor's configuration file, such as ~/.config/sway/config
        return QCoreApplication::translate("ShortcutAdvice", "No program can bind keys here. Add this line to %1:")
            .arg(compositorConfigPath(s.compositor));
    }
    if (!s.switchedOn) {
        if (s.route == Route::desktopSettings)
            return QCoreApplication::translate(
                "ShortcutAdvice", "Switched on, the shortcut is added to GNOME\u2019s keyboard shortcuts.");
        return {};
    }
    if (!s.status || combination.isEmpty())
        return QCoreApplication::translate("ShortcutAdvice",
                                           "This combination cannot be a shortcut: choose another key.");
    if (*s.status == HotKeyService::taken)
        //: %1 is a key combination, such as Ctrl+Space
        return QCoreApplication::translate("ShortcutAdvice",
                                           "%1 is taken by another program: choose another combination.")
            .arg(combination);
    if (*s.status == HotKeyService::unsupported)
        //: %1 is a key combination, such as Ctrl+Space
        return QCoreApplication::translate("ShortcutAdvice", "%1 cannot be a shortcut here: choose another key.")
            .arg(combination);
    switch (s.route) {
    case Route::grab:
        if (*s.status != HotKeyService::ok)
            return QCoreApplication::translate("ShortcutAdvice", "No keys can be bound on this display.") +
                   QLatin1Char(' ') + byHand;
        //: %1 is a key combination, such as Ctrl+Space
        return QCoreApplication::translate("ShortcutAdvice", "%1 shows or hides the panel from any program.")
            .arg(combination);
    case Route::portal:
        if (*s.status == HotKeyService::ok && !s.boundTrigger.isEmpty())
            //: %1 is the key combination as the desktop names it
            return QCoreApplication::translate(
                       "ShortcutAdvice",
                       "The desktop bound the shortcut to %1. Change it in the desktop\u2019s keyboard settings.")
                .arg(s.boundTrigger);
        if (*s.status == HotKeyService::ok && !s.desktopAnswered)
            //: %1 is a key combination, such as Ctrl+Space
            return QCoreApplication::translate("ShortcutAdvice", "Asking the desktop to bind %1\u2026")
                .arg(combination);
        return QCoreApplication::translate("ShortcutAdvice", "The desktop did not bind the shortcut.") +
               QLatin1Char(' ') + byHand;
    case Route::desktopSettings:
        if (*s.status == HotKeyService::ok)
            //: %1 is the key combination as the desktop names it
            return QCoreApplication::translate(
                       "ShortcutAdvice",
                       "In GNOME\u2019s keyboard shortcuts, %1 runs \u201credizado toggle\u201d (Settings \u25b8 "
                       "Keyboard "
                       "\u25b8 Custom Shortcuts).")
                .arg(s.boundTrigger.isEmpty() ? combination : s.boundTrigger);
        return QCoreApplication::translate("ShortcutAdvice", "GNOME\u2019s keyboard settings cannot be reached.") +
               QLatin1Char(' ') + byHand;
    case Route::none:
        break;
    }
    return {};
}
