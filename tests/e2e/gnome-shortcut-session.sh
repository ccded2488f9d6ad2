#!/usr/bin/env bash
# The program on a real headless GNOME Shell 43 under Wayland, where no portal binds shortcuts: the shortcut switched
# on in the preferences becomes a custom shortcut in GNOME's keyboard settings, GNOME's media-keys daemon runs it on
# the keys and the panel shows and hides, taking the keyboard from the window that had it, and with the shortcut off
# it is gone while the user's own shortcuts stay.
# Run as root: the desktop runs as an unprivileged user (gnome-session.sh). Skipped (exit 77) without the desktop.
# Usage: gnome-shortcut-session.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${1:-}" ] || { sed -n '6p' "$0" >&2; exit 2; }
program=$(readlink -f "$1")
. "$here/checks.sh"
require_installed gnome-shell Xwayland foot /usr/libexec/gsd-media-keys gsettings gdbus dbus-run-session setpriv \
    /usr/share/gnome-shell/extensions/ubuntu-appindicators@ubuntu.com/metadata.json
[ "$(id -u)" = 0 ] || { echo "e2e: run as root, to start the desktop as a user of its own"; exit 2; }

desktop=shortcut-$$
session() { "$here/gnome-session.sh" "$1" "$desktop" "${@:2}"; }
state=/tmp/redizado-gnome-$desktop
user=${REDIZADO_GNOME_USER:-nobody}
work=$(mktemp -d /tmp/redizado-gnome-shortcut.XXXXXX)
chmod 0755 "$work"
list=org.gnome.settings-daemon.plugins.media-keys
entry=$list.custom-keybinding
ours=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/redizado/
theirs=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/

patience=60
redizado=
other=
cleanup() {
    [ -n "$redizado" ] && kill "$redizado" 2>/dev/null
    [ -n "$other" ] && kill "$other" 2>/dev/null
    session stop >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
finish() {
    finish_with redizado="$work/redizado.log" gsd-media-keys="$state/gsd-media-keys.log" gnome-shell="$state/gnome-shell.log"
}

# The command loads the program from beside itself.
cp "$program" "$work/redizado" && cp "$(dirname "$program")/redizado-program.so" "$work/"
mkdir -p "$work/config/redizado"
shortcut_preferences true >"$work/config/redizado/defaults.plist"

start_desktop() { session start >/dev/null; }
check "GNOME Shell starts headless with its tray" start_desktop
[ "$failed" = 0 ] || finish
# GNOME keeps its settings in a database in the config folder that its settings writer was started with; the
# program, with a config folder of its own, must read the session's database or it sees no shortcuts at all.
ln -s "$state/home/.config/dconf" "$work/config/dconf"
mkdir -p "$state/home/.config/dconf"
chown -R "$user:" "$work" "$state/home/.config/dconf"

gs() { session run gsettings "$@"; }
# A shortcut of the user's own, which ours must leave alone.
gs set "$entry:$theirs" name 'Terminal'
gs set "$entry:$theirs" command 'true'
gs set "$entry:$theirs" binding '<Super>t'
gs set "$list" custom-keybindings "['$theirs']"
check "GNOME's media-keys daemon runs in the session" session media-keys

start() { # [QT_QPA_PLATFORM]: preferences read from $work/config; through XWayland, as GNOME runs it, by default
    # Not through a shell function: $! is then the program itself, which a quit must reach.
    "$here/gnome-session.sh" run "$desktop" env XDG_CONFIG_HOME="$work/config" ${1:+QT_QPA_PLATFORM=$1} \
        LANG=C.UTF-8 "$work/redizado" --verbose >>"$work/redizado.log" 2>&1 &
    redizado=$!
}
quit() { kill "$redizado" && wait "$redizado"; redizado=; }
listed() { gs get "$list" custom-keybindings | grep -qF "'$1'"; }
not_listed() { ! listed "$1"; }
starts_logged() { [ "$(grep -c "custom shortcut in GNOME's keyboard settings" "$work/redizado.log")" -ge "$1" ]; }
value() { gs get "$entry:$ours" "$1"; }

start
check "the program says the shortcut is one of GNOME's keyboard settings" until_true starts_logged 1
check "GNOME's custom shortcuts list ours" until_true listed "$ours"
log "  custom-keybindings: $(gs get "$list" custom-keybindings)"
log "  ours: name $(value name), binding $(value binding), command $(value command)"
check "ours is named Redizado" test "$(value name)" = "'Redizado'"
check "ours is bound to Control+Alt+J" test "$(value binding)" = "'<Control><Alt>j'"
check "ours runs the program with toggle" test "$(value command)" = "'$work/redizado toggle'"
check "the user's own shortcut is still listed" listed "$theirs"

# The keys through a virtual keyboard kept for the whole session: adding and removing one per press is not how a
# person types.
press() { # Clutter key names, pressed in order and released in reverse
    local keys
    keys=$(printf 'Clutter.KEY_%s,' "$@")
    session eval "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
        if (!globalThis.redizadoKeyboard)
            globalThis.redizadoKeyboard = Clutter.get_default_backend().get_default_seat()
                .create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        const keys = [${keys%,}];
        for (const key of keys)
            globalThis.redizadoKeyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.PRESSED);
        for (const key of keys.reverse())
            globalThis.redizadoKeyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.RELEASED);
        true" >/dev/null
}
panels() {
    session eval "global.get_window_actors().filter(a => a.visible && a.meta_window
        && a.meta_window.get_title() === 'Redizado').length"
}
panel_shown() { [ "$(panels)" -ge 1 ]; }
panel_hidden() { [ "$(panels)" = 0 ]; }

check "the panel is hidden at the start" panel_hidden
press Control_L Alt_L j
check "Control+Alt+J shows the panel" until_true panel_shown
session screenshot "${REDIZADO_SCREENSHOT:-$work/panel.png}"
[ -n "${REDIZADO_SCREENSHOT:-}" ] && log "  screenshot: $REDIZADO_SCREENSHOT"
press Control_L Alt_L j
check "Control+Alt+J again hides it" until_true panel_hidden

# The keys pressed while another program has the keyboard: the panel must take it from there, each time, or the
# typing goes to that program.
type_line() { # TEXT without quotes, then Return
    session eval "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib, keyboard = globalThis.redizadoKeyboard;
        const keys = [...'$1'].map(c => Clutter.unicode_to_keysym(c.codePointAt(0)));
        for (const key of [...keys, Clutter.KEY_Return]) {
            keyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.PRESSED);
            keyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.RELEASED);
        }
        true" >/dev/null
}
focused() { # TITLE
    [ "$(session eval "const w = global.display.focus_window; !!w && w.get_title() === '$1'")" = true ]
}
focus_other() {
    session eval "const w = global.get_window_actors().map(a => a.meta_window).find(w => w && w.get_title() === 'Elsewhere');
        if (w) w.activate(global.get_current_time()); !!w" >/dev/null
}
"$here/gnome-session.sh" run "$desktop" foot --title Elsewhere sleep 600 >>"$work/other.log" 2>&1 &
other=$!
check "another program's window has the keyboard" until_true focused Elsewhere
for round in 1 2 3 4 5 6; do
    focus_other
    until_true focused Elsewhere
    press Control_L Alt_L j
    check "round $round: Control+Alt+J from another window gives the panel the keyboard" until_true focused Redizado
    type_line "typed after the shortcut $round"
    check "round $round: the typing lands in the panel's field" \
        until_true grep -q "<string>typed after the shortcut $round</string>" "$work/config/redizado/defaults.plist"
    panel_hidden || press Control_L Alt_L j
    check "round $round: the panel hides" until_true panel_hidden
done
kill "$other" 2>/dev/null

# Switched off while the program is not running: it takes its shortcut out at the next start.
quit
check "quitting leaves ours listed, so the keys start the program" listed "$ours"
shortcut_preferences false >"$work/config/redizado/defaults.plist"
start wayland
check "the program starts again with the shortcut off" until_true starts_logged 2
check "our shortcut is no longer listed" until_true not_listed "$ours"
log "  custom-keybindings: $(gs get "$list" custom-keybindings)"
check "the user's own shortcut is still listed" listed "$theirs"
check "the user's own shortcut keeps its keys" test "$(gs get "$entry:$theirs" binding)" = "'<Super>t'"
quit
finish
