#!/usr/bin/env bash
# The icon follows the tray as trays come and go on an X11 desktop with a private session bus: none at first,
# then tint2 (XEmbed), then xfce4-panel (a StatusNotifierItem host that also takes XEmbed icons), then tint2
# again, then xfce4-panel for a program without a bus. A click on the icon in xfce4-panel opens the panel under
# it. Skipped (exit 77) without xfce4-panel and its settings daemon. Usage: tray-switch-session.sh PROGRAM
# [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:84
. "$here/checks.sh"
require_installed Xvfb openbox tint2 xfce4-panel xdotool xwininfo xprop import convert dbus-daemon gdbus
xfconfd=$(ls /usr/lib/*/xfce4/xfconf/xfconfd 2>/dev/null | head -1)
[ -n "$xfconfd" ] || { echo "e2e: xfconfd is not installed; skipped"; exit 77; }
. "$here/session.sh"
# Again: its checks and waits, not the plainer ones the session's script brings.
. "$here/checks.sh"
export QT_LOGGING_RULES="redizado.*=true" HOME=$config XDG_CACHE_HOME=$config/cache XDG_DATA_HOME=$config/data
# session.sh points the bus address at nothing: with none at all, D-Bus clients would launch a bus of their own.
no_bus=$DBUS_SESSION_BUS_ADDRESS
program_log=$config/redizado.log

pids=()
cleanup() {
    stop_pids
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
finish() {
    local logs=(program="$program_log") f
    for f in "$config"/*-panel.log "$config"/xfconfd.log; do logs+=("$(basename "$f" .log)=$f"); done
    finish_with "${logs[@]}"
}
"$here/virtual-desktop.sh" start "$display" no-tray >/dev/null || { log "FAIL: no desktop on $display"; exit 1; }

# A bus that starts nothing of the machine's, and the settings daemon xfce4-panel keeps its configuration in.
mkdir -p "$config/bus/services" "$config/xfce4/xfconf/xfce-perchannel-xml"
cp "$here/../session-bus.conf" "$config/bus/bus.conf"
cp "$here/xfce4-panel.xml" "$config/xfce4/xfconf/xfce-perchannel-xml/"
dbus-daemon --config-file="$config/bus/bus.conf" --fork --print-address=3 --print-pid=4 \
    3>"$config/bus/address" 4>"$config/bus/pid"
pids+=("$(cat "$config/bus/pid")")
bus=$(cat "$config/bus/address")
export DBUS_SESSION_BUS_ADDRESS=$bus
DBUS_SESSION_BUS_ADDRESS=$bus "$xfconfd" >"$config/xfconfd.log" 2>&1 &
pids+=($!)
not() { ! "$@"; }
name_owned() { gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner "$1" | grep -q true; }
check "a private session bus with the settings daemon on it" until_true name_owned org.xfce.Xfconf
[ "$failed" = 0 ] || finish

root_id=$(printf '%d' "$(xwininfo -root | awk '/Window id:/ {print $4}')")
parent_of() { printf '%d' "$(xwininfo -children -id "$1" | awk '/Parent window id:/ {print $4}')"; }
within() { # CLASS WINDOW: some ancestor of the window is a window of that class
    local w=$2
    while w=$(parent_of "$w") && [ "$w" != "$root_id" ] && [ "$w" != 0 ]; do
        class_of "$w" | grep -qi "\"$1\"" && return 0
    done
    return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
class_of() { xprop -id "$1" WM_CLASS 2>/dev/null; }
mapped_windows() { # CLASS: its windows on the screen
    xdotool search --classname "^$1\$" 2>/dev/null | while read -r w; do viewable "$w" && echo "$w"; done
}
# The program's icon window docked in the tray of the given program: mapped, inside that program's window.
docked_in() { # TRAY_CLASS
    local w
    for w in $(mapped_windows redizado); do
        [ "$(parent_of "$w")" != "$root_id" ] && within "$1" "$w" && echo "$w" && return 0
    done
    return 1
}
on_screen() { local x y; read -r x y _ <<<"$(geometry "$1")"; [ "$x" -ge 0 ] && [ "$y" -ge 0 ]; }
# Docked, and where it can be seen: a tray may keep a docked window off the screen.
icon_in() { # TRAY_CLASS
    local w
    w=$(docked_in "$1") && on_screen "$w" && echo "$w"
}
no_icon_window() { [ -z "$(mapped_windows redizado)" ]; }
panel_window() { xdotool search --onlyvisible --name '^Redizado$' 2>/dev/null | head -1; }
panel_shown() { [ -n "$(panel_window)" ]; }
panel_hidden() { [ -z "$(panel_window)" ]; }
active() { xdotool getactivewindow 2>/dev/null; }
geometry() { # WINDOW: x y width height on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}'
}

# What the program has logged about the tray since a mark.
mark() { wc -l <"$program_log"; }
tray_lines_since() { tail -n +$(($1 + 1)) "$program_log" | sed -n 's/^redizado\.tray: //p'; }
logged_since() { tray_lines_since "$1" | grep -qxF "$2"; }
last_tray_line() { sed -n 's/^redizado\.tray: //p' "$program_log" | tail -1; }
last_tray_line_is() { [ "$(last_tray_line)" = "$1" ]; }
shot() { "$here/virtual-desktop.sh" screenshot "$shots/$1" "$display"; }
# Something is drawn at the place: not the bar's plain colour alone.
drawn_at() { # X Y W H
    local spread
    spread=$(import -window root -crop "$3x$4+$1+$2" +repage -colorspace gray -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN {exit !(s > 0.05)}'
}

start_program() { # BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$1 "$program" >>"$program_log" 2>&1 &
    pid=$!
    pids+=("$pid")
}
stop_program() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
start_tint2() {
    tint2 -c "$here/tint2rc" >"$config/tint2-panel.log" 2>&1 &
    tint2_pid=$!
    pids+=("$tint2_pid")
    until_true mapped_windows tint2
}
stop_tint2() { kill "$tint2_pid" 2>/dev/null; wait "$tint2_pid" 2>/dev/null; }
start_xfce_panel() { # BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$1 NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory xfce4-panel \
        >"$config/xfce4-panel.log" 2>&1 &
    xfce_pid=$!
    pids+=("$xfce_pid")
}
xfce_bar() { mapped_windows xfce4-panel | while read -r w; do
    [ "$(geometry "$w" | cut -d' ' -f3)" = 1440 ] && echo "$w" && break; done | grep .; }
# The systray plugin runs in a process of its own, which the panel starts: stopped with it.
stop_xfce_panel() {
    local plugins
    plugins=$(ps -o pid= --ppid "$xfce_pid")
    kill "$xfce_pid" 2>/dev/null
    wait "$xfce_pid" 2>/dev/null
    for p in $plugins; do until_true not kill -0 "$p" || kill "$p" 2>/dev/null; done
}
watcher_items() {
    gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems
}
bus_pid_of() { gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -n 's/.*uint32 \([0-9]*\).*/\1/p'; }
# The program's own entry among the watcher's items: the bus name before the path, owned by its process.
program_registered() {
    local entry
    for entry in $(watcher_items | grep -o "'[^']*'" | tr -d "'"); do
        [ "$(bus_pid_of "${entry%%/*}")" = "$pid" ] && return 0
    done
    return 1
}

# A left click opens the panel with the focus, its middle over the icon's and its top just under the bar; a
# second click closes it.
click_opens_panel_under() { # NAME ICON_X ICON_Y ICON_W ICON_H
    local name=$1 x=$2 y=$3 w=$4 h=$5 bar_bottom panel px py pw
    read -r _ bar_y _ bar_h <<<"$(geometry "$(xfce_bar)")"
    bar_bottom=$((bar_y + bar_h))
    sleep 0.5 # at a person's pace: not a double click with an earlier one
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    check "$name: a left click on the icon opens the panel" until_true panel_shown
    panel=$(panel_window)
    [ -n "$panel" ] || return
    check "$name: the open panel has the focus" until_true test "$(active)" = "$panel"
    [ "$(active)" = "$panel" ] || log "$name: the focus is on $(class_of "$(active)")"
    read -r px py pw _ <<<"$(geometry "$panel")"
    log "$name: icon at ${w}x${h}+$x+$y, panel at x=$px y=$py width $pw, bar bottom at $bar_bottom," \
        "$(xprop -root _NET_WORKAREA | cut -d, -f1-4)"
    check "$name: the panel's middle is over the icon's" \
        test $(((px + pw / 2) - (x + w / 2))) -le 40 -a $(((x + w / 2) - (px + pw / 2))) -le 40
    check "$name: the panel hangs just under the bar" test "$py" -ge "$bar_bottom" -a "$py" -le $((bar_bottom + 8))
    shot "$name-panel.png"
    sleep 0.5
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    check "$name: a second click closes the panel" until_true panel_hidden
}

# 1. No tray at all: nothing of ours on the screen; then tint2 starts and the icon is in its tray.
start_program "$bus"
check "with no tray the program says the icon waits for one" \
    until_true grep -qxF "redizado.tray: no X11 system tray yet; the icon shows when one starts" "$program_log"
check "with no tray no icon window is on the screen" no_icon_window
shot 1-no-tray.png
at=$(mark)
check "tint2 starts" start_tint2
patience=3 check "within 3 s of tint2's start the icon is in its tray" until_true icon_in tint2
check "the log says a tray runs and the icon is in it" until_true eval \
    'logged_since $at "an X11 system tray runs" && logged_since $at "the icon is in the X11 system tray"'
shot 2-tint2.png

# 2. tint2 replaced by xfce4-panel, which hosts StatusNotifierItems and is the watcher itself when none runs.
stop_tint2
check "no StatusNotifierItem watcher runs before xfce4-panel" not name_owned org.kde.StatusNotifierWatcher
at=$(mark)
start_xfce_panel "$bus"
check "xfce4-panel shows its bar" until_true xfce_bar
check "xfce4-panel takes the StatusNotifierItem watcher's name" until_true name_owned org.kde.StatusNotifierWatcher
watcher_pid=$(bus_pid_of org.kde.StatusNotifierWatcher)
check "the watcher is xfce4-panel's own tray plugin" \
    test "$(ps -o ppid= -p "$watcher_pid" | tr -d ' ')" = "$xfce_pid"
check "the program's item is registered with the watcher" until_true program_registered
host=$(cat "/proc/$watcher_pid/comm" 2>/dev/null)
check "the log names the host ($host)" \
    until_true logged_since "$at" "the tray is now the StatusNotifierItem host $host"
check "the X11 icon window is gone" until_true no_icon_window
# The tray plugin's window holds our item alone, so the icon is drawn in its middle.
plugin=$(for w in $(mapped_windows wrapper-2.0); do within xfce4-panel "$w" && echo "$w"; done | head -1)
if [ -n "$plugin" ]; then
    read -r ix iy iw ih <<<"$(geometry "$plugin")"
    check "the item's icon is drawn in xfce4-panel's tray" until_true drawn_at "$ix" "$iy" "$iw" "$ih"
    shot 3-xfce4-panel-sni.png
    click_opens_panel_under 4-xfce4-panel-sni "$ix" "$iy" "$iw" "$ih"
else
    check "xfce4-panel's tray plugin has a window on the bar" false
fi

# 3. xfce4-panel replaced by tint2, which takes XEmbed icons only.
stop_xfce_panel
check "the watcher left with xfce4-panel" until_true not name_owned org.kde.StatusNotifierWatcher
check "with both trays gone the log says no tray runs" until_true eval \
    'last_tray_line_is "no StatusNotifierItem host and no X11 tray; the icon shows when a tray starts" ||
     last_tray_line_is "no X11 system tray runs"'
check "with both trays gone no icon window is on the screen" no_icon_window
at=$(mark)
check "tint2 starts again" start_tint2
patience=3 check "within 3 s of tint2's start the icon is in its tray again" until_true icon_in tint2
check "the log says the icon is in the X11 tray" until_true eval \
    'logged_since $at "an X11 system tray runs" && logged_since $at "the icon is in the X11 system tray"'
check "the last the log says is that the icon is in the X11 tray" test "$(last_tray_line)" = "the icon is in the X11 system tray"
shot 5-tint2-again.png
stop_tint2

# 4. xfce4-panel for a program without a session bus: its XEmbed tray. xfce4-panel itself wants a bus for its
# settings and for knowing it runs once; without one it may refuse to start, which is told, not hidden.
stop_program
at=$(mark)
start_program "$no_bus"
start_xfce_panel "$no_bus"
until_true eval 'xfce_bar || ! kill -0 $xfce_pid'
if ! kill -0 "$xfce_pid" 2>/dev/null; then
    log "xfce4-panel does not run without a session bus; it said:"
    sed 's/^/  xfce4-panel: /' "$config/xfce4-panel.log"
    log "so the panel gets the bus and the program still has none"
    start_xfce_panel "$bus"
else
    log "xfce4-panel runs without a session bus"
fi
check "xfce4-panel shows its bar" until_true xfce_bar
check "a program without a bus puts its icon in xfce4-panel's XEmbed tray" until_true icon_in xfce4-panel
check "the log says the icon is in the X11 tray" until_true logged_since "$at" "the icon is in the X11 system tray"
icon=$(icon_in xfce4-panel)
if [ -n "$icon" ]; then
    read -r ix iy iw ih <<<"$(geometry "$icon")"
    check "the icon is drawn in xfce4-panel's tray" until_true drawn_at "$ix" "$iy" "$iw" "$ih"
    shot 6-xfce4-panel-xembed.png
    click_opens_panel_under 7-xfce4-panel-xembed "$ix" "$iy" "$iw" "$ih"
else
    shot 6-xfce4-panel-xembed.png
    docked=$(docked_in xfce4-panel) &&
        log "the icon window is docked in xfce4-panel but kept at $(geometry "$docked" | awk '{print $3 "x" $4 "+" $1 "+" $2}');" \
            "it asks the tray for this size: $(xprop -id "$docked" WM_NORMAL_HINTS | tr -s '\n\t' '  ')"
    log "no icon on the bar to click"
fi
finish
