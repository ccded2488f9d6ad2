#!/usr/bin/env bash
# Drives the built program on a virtual desktop as a person would: the tray icon, a click, typing, the global
# shortcut, focus going back, and a restart. Usage: tray-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:88
. "$here/session.sh"

cleanup() {
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
    [ -n "${other:-}" ] && kill "$other" 2>/dev/null || true
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
"$here/virtual-desktop.sh" start "$display" >/dev/null

start_program() {
    "$program" >>"$config/redizado.log" 2>&1 &
    pid=$!
    until_true tray_icon || fail "no tray icon appeared"
}
# The icon's window, once the tray has taken it in and shows it.
icon_window() { xdotool search --classname '^redizado$' 2>/dev/null | while read -r w; do
    xwininfo -id "$w" | grep -q 'Width: 2[0-9]$' && xwininfo -id "$w" | grep -q 'IsViewable' && echo "$w" && break
done; }
tray_icon() { [ -n "$(icon_window)" ]; }
panel_window() { xdotool search --onlyvisible --name '^Redizado$' 2>/dev/null | head -1; }
panel_shown() { [ -n "$(panel_window)" ]; }
panel_hidden() { [ -z "$(panel_window)" ]; }
active() { xdotool getactivewindow 2>/dev/null; }
# What the panel asks of the window manager: no owner window (window managers reject Qt's hidden leader as one),
# above other windows, on every desktop, out of the taskbar and pager (KWin's own switcher state is checked on
# Plasma). The window manager drops the state on each hide, so it is checked on a later show too.
panel_hints_hold() {
    local hints
    hints=$(xprop -id "$(panel_window)" WM_TRANSIENT_FOR _NET_WM_STATE _NET_WM_DESKTOP _NET_WM_WINDOW_TYPE)
    grep -q '^WM_TRANSIENT_FOR:  not found' <<<"$hints" || fail "the panel names an owner window: $hints"
    grep -q '^_NET_WM_STATE(ATOM) = .*_NET_WM_STATE_SKIP_TASKBAR' <<<"$hints" &&
        grep -q '^_NET_WM_STATE(ATOM) = .*_NET_WM_STATE_SKIP_PAGER' <<<"$hints" || fail "the panel is in task lists: $hints"
    # Docks and switchers match a window to its desktop entry by the class.
    local class entry_class
    class=$(xprop -id "$(panel_window)" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
    entry_class=$(sed -n 's/^StartupWMClass=//p' "$here/../../resources/org.redizado.Redizado.desktop")
    [ -n "$class" ] && [ "$class" = "$entry_class" ] ||
        fail "the panel's class \"$class\" is not the desktop entry's StartupWMClass \"$entry_class\""
    grep -q '^_NET_WM_STATE(ATOM) = .*_NET_WM_STATE_ABOVE' <<<"$hints" || fail "the panel is not kept above: $hints"
    grep -q '^_NET_WM_DESKTOP(CARDINAL) = 4294967295$' <<<"$hints" || fail "the panel is not on every desktop: $hints"
    grep -q '^_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_DIALOG' <<<"$hints" ||
        fail "the panel passes for an application window: $hints"
}
# Clicks at a person's pace: two clicks inside the double-click time are one double click.
click_icon() { sleep 0.5; xdotool mousemove --window "$(icon_window)" 11 11 click 1; }

# Another program the user was working in, to hand the focus back to.
xmessage -geometry 400x200+100+400 "the user's other window" &
other=$!
until_true xdotool search --name '^xmessage$' || fail "no other window"
other_window=$(xdotool search --name '^xmessage$' | head -1)
xdotool windowactivate --sync "$other_window"

start_program
log "tray icon is there"
"$here/virtual-desktop.sh" screenshot "$shots/tray.png" "$display"

click_icon
until_true panel_shown || fail "a click on the icon did not open the panel"
until_true test "$(active)" = "$(panel_window)" || fail "the open panel has no focus"
panel_hints_hold
log "the panel opened with the focus, on every desktop and out of task lists"
xdotool type --delay 20 "buy milk"
xdotool key Return
until_true grep -q '<string>buy milk</string>' "$store" || fail "the typed item is not in $store"
log "the item is stored"
"$here/virtual-desktop.sh" screenshot "$shots/panel.png" "$display"

click_icon
until_true panel_hidden || fail "a click on the icon did not close the panel"
until_true test "$(active)" = "$other_window" || fail "the focus did not go back to the other window"
log "a click on the icon closed it and the focus went back"

click_icon
until_true panel_shown || fail "the panel did not open again"
panel_hints_hold
xdotool mousemove --window "$other_window" 200 100 click 1
until_true panel_hidden || fail "a click elsewhere did not hide the panel"
log "a click elsewhere hid it"

# The first start leaves the global shortcut off; switch it on as the user would, in the settings.
kill "$pid"; wait "$pid" 2>/dev/null || true
perl -0pi -e 's#<key>shortcutKey</key>\s*<false/>#<key>shortcutKey</key><true/>#' "$store"
grep -q '<key>shortcutKey</key><true/>' "$store" || fail "could not switch the shortcut on in $store"
start_program
xdotool windowactivate --sync "$other_window"
xdotool key ctrl+space
until_true panel_shown || fail "the global shortcut did not open the panel"
xdotool key ctrl+space
until_true panel_hidden || fail "the global shortcut did not close the panel"
log "the global shortcut toggles the panel"

kill "$pid"; wait "$pid" 2>/dev/null || true
start_program
click_icon
until_true panel_shown || fail "the panel did not open after a restart"
grep -q '<string>buy milk</string>' "$store" || fail "the item did not survive the restart"
"$here/virtual-desktop.sh" screenshot "$shots/after-restart.png" "$display"
log "the item survived a restart"
echo "1 passed, 0 failed"
