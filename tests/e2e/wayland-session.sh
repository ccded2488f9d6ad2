#!/usr/bin/env bash
# The program under a Wayland compositor with no X11 at all: it starts, says where the shortcut comes from, and
# `redizado toggle` shows its panel. Skipped (exit 77) where weston is not installed.
# Usage: wayland-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
command -v weston >/dev/null || { echo "e2e: weston is not installed; skipped"; exit 77; }
mkdir -p "$shots"
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/run WAYLAND_DISPLAY=wayland-redizado-90 QT_QPA_PLATFORM=wayland
unset DISPLAY
mkdir -p -m 0700 "$XDG_RUNTIME_DIR" "$config/shots"

log() { echo "e2e: $*"; }
fail() { log "FAIL: $*"; sed 's/^/  program: /' "$config/redizado.log" 2>/dev/null || true; exit 1; }
until_true() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
cleanup() {
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
    [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null || true
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
    rm -rf "$config"
}
trap cleanup EXIT

# A session bus of our own, as a desktop session has one; the program asks it for a portal. It starts none of the
# machine's services, so a portal installed here cannot change what the program finds.
if command -v dbus-daemon >/dev/null; then
    mkdir -p "$config/bus/services"
    cp "$here/../session-bus.conf" "$config/bus/bus.conf"
    dbus-daemon --config-file="$config/bus/bus.conf" --address="unix:tmpdir=$config/bus" --print-address=1 \
        --print-pid=1 --fork >"$config/bus/started"
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$config/bus/started")
    bus=$(sed -n 2p "$config/bus/started")
fi
# --debug lets the screenshooter in; pixman needs no GPU.
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug --use-pixman \
    --width=1024 --height=768 >"$config/weston.log" 2>&1 &
weston=$!
until_true test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start: $(cat "$config/weston.log")"

# Each shot is a new file in the folder the screenshooter writes to.
screenshot() {
    (cd "$config/shots" && weston-screenshooter >/dev/null 2>&1)
    local last
    last=$(ls -t "$config/shots" | head -1)
    [ -n "$last" ] && mv "$config/shots/$last" "$1"
}

"$program" --verbose >>"$config/redizado.log" 2>&1 &
pid=$!
until_true test -S "$XDG_RUNTIME_DIR/redizado.socket" || fail "the program did not start"
until_true grep -q 'not on X11' "$config/redizado.log" || fail "the program did not say where the shortcut comes from"
screenshot "$shots/wayland-before.png" || fail "no screenshot from weston"
log "the program runs under Wayland"

"$program" toggle || fail "redizado toggle failed"
# The desktop below weston's own panel, whose clock moves on by itself.
desk() { convert "$1" -crop 1024x720+0+40 +repage "$2.rgba"; }
shown() { screenshot "$config/now.png" && desk "$shots/wayland-before.png" "$config/before" &&
    desk "$config/now.png" "$config/now" && ! cmp -s "$config/before.rgba" "$config/now.rgba"; }
until_true shown || fail "redizado toggle did not show the panel"
mv "$config/now.png" "$shots/wayland-panel.png"
log "redizado toggle shows the panel"

"$program" add "added under Wayland" || fail "add failed"
[ "$("$program" list)" = "added under Wayland" ] || fail "the running copy lists: $("$program" list)"
kill -0 "$pid" || fail "the program died"
if grep -qi 'xcb\|could not connect to display' "$config/redizado.log"; then fail "the program reached for X11"; fi
log "items are added and nothing reaches for X11"
echo "1 passed, 0 failed"
