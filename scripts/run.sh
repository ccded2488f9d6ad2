#!/usr/bin/env bash
# Starts the built program: on the desktop when there is one, else on a virtual desktop with a tray, leaving
# screenshots of the tray and of the open panel. Usage: run.sh PROGRAM SCREENSHOT_FOLDER
set -euo pipefail
program=$1
shots=$2
here=$(cd "$(dirname "$0")/.." && pwd)/tests/e2e
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$program"
fi
# Without a session bus, GLib-based helpers would try to start one for the display through dbus-launch.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
display=:87
"$here/virtual-desktop.sh" start "$display" >/dev/null
trap '"$here/virtual-desktop.sh" stop "$display"' EXIT
export DISPLAY=$display
"$program" &
pid=$!
icon=""
# The icon's window, once the tray has taken it in and shows it.
for _ in $(seq 100); do
    icon=$(xdotool search --classname '^redizado$' 2>/dev/null | while read -r w; do
        xwininfo -id "$w" | grep -q 'Width: 2[0-9]$' && xwininfo -id "$w" | grep -q IsViewable && echo "$w" &&
            break
    done) || true
    [ -n "$icon" ] && break
    sleep 0.1
done
[ -n "$icon" ] || { echo "run: no tray icon appeared" >&2; exit 1; }
mkdir -p "$shots"
"$here/virtual-desktop.sh" screenshot "$shots/tray.png" "$display"
xdotool mousemove --window "$icon" 11 11 click 1
sleep 1
"$here/virtual-desktop.sh" screenshot "$shots/panel.png" "$display"
echo "Redizado runs on the virtual display $display (screenshots in $shots); Ctrl+C ends it."
wait "$pid"
