#!/usr/bin/env bash
# The panel read as a screen reader reads it: a private session bus with the accessibility bus on it, the program
# with its accessibility bridge on, and accessibility-reader.py pressing keys and writing down what is said. The
# transcript is left in the screenshot folder. Skipped (exit 77) without the accessibility bus or its Python
# client. Usage: accessibility-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:97
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
. "$here/checks.sh"
require_installed Xvfb openbox tint2 xdotool dbus-daemon gdbus "$launcher" "$python"
"$python" -c 'import pyatspi' 2>/dev/null || { log "python3-pyatspi is not installed; skipped"; exit 77; }
. "$here/session.sh"
. "$here/checks.sh"
. "$here/accessibility-bus.sh"
export HOME=$config XDG_CACHE_HOME=$config/cache XDG_DATA_HOME=$config/data
program_log=$config/redizado.log

pids=()
cleanup() {
    # The accessibility bus and its registry go with the session bus.
    stop_pids
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
finish() { finish_with program="$program_log"; }
"$here/virtual-desktop.sh" start "$display" >/dev/null || { log "FAIL: no virtual desktop on $display"; exit 1; }

start_accessibility_bus
[ "$failed" = 0 ] || finish

# Three items to do, newest first on the list: Water the plants, Buy milk, Pay rent.
for title in "Pay rent" "Buy milk" "Water the plants"; do "$program" add "$title" >>"$program_log" 2>&1; done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" >>"$program_log" 2>&1 &
pids+=($!)
tray_icon() { xdotool search --classname '^redizado$' >/dev/null 2>&1; }
panel_window() { xdotool search --onlyvisible --name '^Redizado$' 2>/dev/null | head -1; }
panel_active() { [ -n "$(panel_window)" ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$(panel_window)" ]; }
check "the program started with its tray icon" until_true tray_icon
[ "$failed" = 0 ] || finish
# A second start shows the panel of the one running.
"$program" >>"$program_log" 2>&1
check "the panel opened with the focus" until_true panel_active
[ "$failed" = 0 ] || finish
"$here/virtual-desktop.sh" screenshot "$shots/panel.png" "$display"

transcript=$shots/transcript.txt
"$python" "$here/accessibility-reader.py" --run --transcript "$transcript" | sed 's/^/  /'
read_status=${PIPESTATUS[0]}
check "a screen reader hears what a person must (transcript: $transcript)" test "$read_status" = 0
"$here/virtual-desktop.sh" screenshot "$shots/after.png" "$display"
finish
