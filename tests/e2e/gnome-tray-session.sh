#!/usr/bin/env bash
# The program's icon on a real headless GNOME Shell 43 under Wayland, in the top bar through the AppIndicator
# extension, clicked with a pointer as a person would: a right click opens the shell's menu with the program's items
# and leaves the panel alone, a double click (the shell's activation) shows the panel with the keyboard in its entry
# field, typing adds an item, a second double click hides it; the middle click shows and hides it too, and the menu's
# Quit ends the program. Run as root: the desktop runs as an unprivileged user
# (gnome-session.sh). Skipped (exit 77) without the desktop. Usage: gnome-tray-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${1:-}" ] || { sed -n '6p' "$0" >&2; exit 2; }
program=$(readlink -f "$1")
shots=${2:-}
. "$here/checks.sh"
require_installed gnome-shell Xwayland gsettings gdbus dbus-run-session setpriv \
    /usr/share/gnome-shell/extensions/ubuntu-appindicators@ubuntu.com/metadata.json
[ "$(id -u)" = 0 ] || { echo "e2e: run as root, to start the desktop as a user of its own"; exit 2; }

desktop=tray-$$
session() { "$here/gnome-session.sh" "$1" "$desktop" "${@:2}"; }
state=/tmp/redizado-gnome-$desktop
user=${REDIZADO_GNOME_USER:-nobody}
work=$(mktemp -d /tmp/redizado-gnome-tray.XXXXXX)
chmod 0755 "$work"
store=$work/config/redizado/defaults.plist

patience=60
redizado=
cleanup() {
    [ -n "$redizado" ] && kill "$redizado" 2>/dev/null
    session stop >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
finish() { finish_with redizado="$work/redizado.log" gnome-shell="$state/gnome-shell.log"; }
shot() { # NAME
    [ -n "$shots" ] || return 0
    mkdir -p "$shots" && session screenshot "$shots/$1.png" && log "  screenshot: $shots/$1.png"
}

# The command loads the program from beside itself.
cp "$program" "$work/redizado" && cp "$(dirname "$program")/redizado-program.so" "$work/"
mkdir -p "$work/config/redizado"
shortcut_preferences false >"$store"
chown -R "$user:" "$work"

start_desktop() { session start >/dev/null; }
check "GNOME Shell starts headless with its tray" start_desktop
[ "$failed" = 0 ] || finish

js() { session eval "$1"; }
# A pointer and a keyboard for the whole session, made before the program runs: keys sent through a keyboard that
# has only just appeared do not reach the window.
js "const Clutter = imports.gi.Clutter;
    const seat = Clutter.get_default_backend().get_default_seat();
    globalThis.redizadoPointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    globalThis.redizadoKeyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
    true" >/dev/null

# Not through a shell function: $! is then the program itself, whose process id names its icon.
"$here/gnome-session.sh" run "$desktop" env XDG_CONFIG_HOME="$work/config" LANG=C.UTF-8 \
    QT_LOGGING_RULES=redizado.tray.debug=true "$work/redizado" >>"$work/redizado.log" 2>&1 &
redizado=$!

icon="imports.ui.main.panel.statusArea['appindicator-org.kde.StatusNotifierItem-$redizado-1']"
is() { [ "$(js "$1")" = true ]; }
icon_in_top_bar() {
    is "const icon = $icon, Main = imports.ui.main;
        !!icon && icon.visible && icon.is_mapped() && Main.panel.contains(icon) && icon.menu.numMenuItems > 0"
}
check "the icon is in the top bar" until_true icon_in_top_bar
[ "$failed" = 0 ] || finish
# Nothing else in this session puts an icon there.
one_icon() {
    is "Object.entries(imports.ui.main.panel.statusArea).filter(([role, icon]) => icon && role.startsWith('appindicator-'))
        .length === 1"
}
check "the program has one icon in the top bar" until_true one_icon
log "  icon at $(js "const icon = $icon; JSON.stringify([...icon.get_transformed_position(), ...icon.get_transformed_size()])")"

click() { # BUTTON [BUTTON...]: on the middle of the icon, 150 ms apart as a person double-clicks
    js "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
        const icon = $icon, pointer = globalThis.redizadoPointer;
        const [x, y] = icon.get_transformed_position(), [width, height] = icon.get_transformed_size();
        pointer.notify_absolute_motion(GLib.get_monotonic_time(), x + width / 2, y + height / 2);
        const press = button => {
            pointer.notify_button(GLib.get_monotonic_time(), button, Clutter.ButtonState.PRESSED);
            pointer.notify_button(GLib.get_monotonic_time(), button, Clutter.ButtonState.RELEASED);
        };
        const buttons = [$(printf '%s,' "$@")];
        press(buttons.shift());
        if (buttons.length)
            GLib.timeout_add(GLib.PRIORITY_DEFAULT, 150, () => { press(buttons.shift()); return buttons.length > 0; });
        true" >/dev/null
}
type_line() { # TEXT without quotes, then Return
    js "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib, keyboard = globalThis.redizadoKeyboard;
        const keys = [...'$1'].map(c => Clutter.unicode_to_keysym(c.codePointAt(0)));
        for (const key of [...keys, Clutter.KEY_Return]) {
            keyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.PRESSED);
            keyboard.notify_keyval(GLib.get_monotonic_time(), key, Clutter.KeyState.RELEASED);
        }
        true" >/dev/null
}
panel="global.get_window_actors().filter(a => a.visible).map(a => a.meta_window)
    .find(w => w && w.get_title() === 'Redizado' && w.get_pid() === $redizado)"
panel_focused() { is "const panel = $panel; !!panel && global.display.focus_window === panel"; }
panel_hidden() { is "!($panel)"; }
# The shell's menu closed and its grab given back: the keyboard goes to windows again.
no_menu_open() { is "const icon = $icon, Main = imports.ui.main; !icon.menu.isOpen && Main.modalCount === 0"; }
icon_shown() { is "const icon = $icon; !!icon && icon.visible && icon.is_mapped()"; }
panel_place() { js "const r = ($panel).get_frame_rect(); r.width + 'x' + r.height + ' at ' + r.x + ',' + r.y"; }
on_screen() {
    is "const r = ($panel).get_frame_rect(), screen = global.display.get_monitor_geometry(0);
        r.x >= screen.x && r.y >= screen.y && r.x + r.width <= screen.x + screen.width
            && r.y + r.height <= screen.y + screen.height"
}
# The top bar's bottom edge and the icon's middle, where the program places the panel through XWayland.
under_bar() { is "const r = ($panel).get_frame_rect(); r.y === imports.ui.main.panel.height"; }
over_icon() {
    is "const r = ($panel).get_frame_rect(), icon = $icon;
        const middle = icon.get_transformed_position()[0] + icon.get_transformed_size()[0] / 2;
        r.x <= middle && middle <= r.x + r.width"
}
menu_open() { is "const icon = $icon; icon.menu.isOpen"; }
menu_has_quit() {
    is "const icon = $icon; icon.menu._getMenuItems().some(i => i.label && i.label.text === 'Quit Redizado')"
}
close_menu() { js "$icon.menu.close(); true" >/dev/null; }
menu_item() { echo "$icon.menu._getMenuItems().find(i => i.label && i.label.text === '$1')"; } # LABEL
# Drawn in full where it stays: the menu fades in.
menu_item_shown() { # LABEL
    is "const item = $(menu_item "$1"); !!item && item.is_mapped() && $icon.menu.actor.opacity === 255"
}
choose() { # LABEL: the menu item clicked with the pointer, as a person picks it
    until_true menu_item_shown "$1"
    js "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib, pointer = globalThis.redizadoPointer;
        const item = $(menu_item "$1");
        const [x, y] = item.get_transformed_position(), [width, height] = item.get_transformed_size();
        pointer.notify_absolute_motion(GLib.get_monotonic_time(), x + width / 2, y + height / 2);
        pointer.notify_button(GLib.get_monotonic_time(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
        pointer.notify_button(GLib.get_monotonic_time(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
        true" >/dev/null
}
program_ended() { ! kill -0 "$redizado" 2>/dev/null; }

check "the panel is hidden at the start" panel_hidden
click 3
check "a right click opens the shell's menu" until_true menu_open
check "the menu holds the program's items" menu_has_quit
check "the right click leaves the panel hidden" panel_hidden
close_menu
check "the menu closes" until_true no_menu_open

# Each frame the shell paints while the panel shows and hides: the icon must be drawn in all of them, at its width.
watch_icon() {
    js "const icon = $icon;
        globalThis.redizadoGaps = [];
        globalThis.redizadoFrames = 0;
        globalThis.redizadoIcons = 0;
        const width = icon.get_width();
        globalThis.redizadoIconWatch = icon._icon.connect('notify::gicon', () => globalThis.redizadoIcons++);
        globalThis.redizadoWatch = global.stage.connect('after-paint', () => {
            globalThis.redizadoFrames++;
            const drawn = icon._icon && icon._icon.get_first_child();
            if (!drawn || !drawn.visible || drawn.opacity === 0 || icon.get_width() < width)
                globalThis.redizadoGaps.push(GLib.get_monotonic_time());
        });
        true" >/dev/null
}
icon_never_gone() {
    local gaps
    gaps=$(js "global.stage.disconnect(globalThis.redizadoWatch); $icon._icon.disconnect(globalThis.redizadoIconWatch);
        globalThis.redizadoGaps.length")
    log "  frames without the icon: $gaps of $(js "globalThis.redizadoFrames"), icons set: $(js "globalThis.redizadoIcons")"
    [ "$gaps" = 0 ]
}
click 1 1
check "a double click shows the panel with the keyboard" until_true panel_focused
check "no shell menu is left open" until_true no_menu_open
log "  panel at $(panel_place)"
check "the panel is on the screen" on_screen
# The shell's activation comes with the click's place.
under_bar_over_icon() { under_bar && over_icon; }
check "the panel hangs under the top bar over the icon" under_bar_over_icon
shot double-click
type_line "buy milk"
check "typing and Return add an item" until_true grep -q '<string>buy milk</string>' "$store"
click 1 1
check "a second double click hides the panel" until_true panel_hidden
check "no shell menu is open after it" until_true no_menu_open

js "globalThis.GLib = imports.gi.GLib; true" >/dev/null
watch_icon
click 2
check "a middle click shows the panel with the keyboard" until_true panel_focused
check "the panel hangs under the top bar over the icon" under_bar_over_icon
click 2
check "a second middle click hides it" until_true panel_hidden
check "the icon stayed in the bar, at its width, while the panel showed and hid" icon_never_gone

# A single left click is the shell's own way to the menu once the icon has answered a double click.
click 1
check "a single left click opens the menu" until_true menu_open
check "and leaves the panel hidden" panel_hidden
choose "Quit Redizado"
check "the menu's Quit ends the program" until_true program_ended
finish
