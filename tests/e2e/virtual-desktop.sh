#!/usr/bin/env bash
# Starts a virtual desktop (Xvfb, a window manager, a panel with a system tray) and prints its DISPLAY.
# Usage: virtual-desktop.sh start [:N] [no-tray] | stop [:N] | screenshot FILE [:N]
# With no-tray the desktop starts without the panel, for sessions that start and stop trays of their own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
display=${2:-:87}
state=/tmp/redizado-desktop-${display#:}

start() {
    mkdir -p "$state"
    # No reset: when the readiness probe below disconnects, a resetting server would refuse the window manager
    # or the tray connecting in that moment.
    Xvfb "$display" -screen 0 1440x900x24 -nolisten tcp -noreset >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 300); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    # An answer could come from an earlier server on the same display that is still going away.
    if ! kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        # Most often another server still holds the display: its lock file names it.
        echo "virtual-desktop: Xvfb did not start on $display" >&2
        sed "s/^/  Xvfb: /" "$state/xvfb.log" >&2
        exit 1
    fi
    DISPLAY=$display openbox >"$state/openbox.log" 2>&1 &
    echo $! >"$state/openbox.pid"
    if [ "$tray" = yes ]; then
        DISPLAY=$display tint2 -c "$here/tint2rc" >"$state/tint2.log" 2>&1 &
        echo $! >"$state/tint2.pid"
    fi
    # Ready once the window manager announces what it supports and the tray's panel, if any, is up. A loaded
    # machine can take seconds for either; a desktop that never gets there is an error, with what the two said,
    # not a later surprise.
    for _ in $(seq 300); do
        ready && { echo "$display"; return; }
        sleep 0.1
    done
    echo "virtual-desktop: the window manager or the tray did not come up on $display" >&2
    for name in openbox tint2; do
        [ -s "$state/$name.log" ] && sed "s/^/  $name: /" "$state/$name.log" >&2
    done
    # Nothing left behind to hold the display against the next start.
    stop
    exit 1
}

ready() {
    DISPLAY=$display xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW &&
        { [ "$tray" = no ] || DISPLAY=$display xdotool search --class tint2 >/dev/null 2>&1; }
}

stop() {
    for name in tint2 openbox xvfb; do
        [ -f "$state/$name.pid" ] && kill "$(cat "$state/$name.pid")" 2>/dev/null || true
    done
    # Gone before the display is used again: a new server cannot take it while the old one holds it.
    if [ -f "$state/xvfb.pid" ]; then
        for _ in $(seq 50); do kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -rf "$state"
}

case "${1:-}" in
    start)
        case "${3:-}" in
            '') tray=yes ;;
            no-tray) tray=no ;;
            *) echo "virtual-desktop: unknown option ${3}" >&2; exit 2 ;;
        esac
        start ;;
    stop) stop ;;
    screenshot) display=${3:-:87}; DISPLAY=$display import -window root "$2" ;;
    *) echo "usage: $0 start [:N] [no-tray] | stop [:N] | screenshot FILE [:N]" >&2; exit 2 ;;
esac
