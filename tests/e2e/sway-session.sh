#!/usr/bin/env bash
# The program on sway with waybar's tray, where a program cannot place its own windows: its icon is in the tray,
# `redizado toggle` shows the panel as a fixed-size floating window with no title bar (never tiled), and typing
# into it adds an item. Run as root: the desktop runs as an unprivileged user of its own. Skipped (exit 77)
# without sway and its tools. Usage: sway-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
    program=$(readlink -f "$1")
    shots=${2:-}
    . "$here/checks.sh"
    require_installed sway swaymsg waybar grim wtype jq gdbus dbus-run-session setpriv
    [ "$(id -u)" = 0 ] || { echo "e2e: run as root, to start the desktop as a user of its own; skipped"; exit 77; }
    user=redizado-e2e
    id -u "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$user" || exit 2
    work=$(mktemp -d /tmp/redizado-sway.XXXXXX)
    trap 'rm -rf "$work"' EXIT
    chmod 0755 "$work"
    cp "$here/sway-session.sh" "$here/checks.sh" "$work/"
    # A session bus that starts none of the machine's services: only what the test itself runs answers on it.
    mkdir -p "$work/bus/services"
    cp "$here/../session-bus.conf" "$work/bus/bus.conf"
    # The command loads the program from beside itself, and the program its core library, which the build tree
    # (perhaps under /root) may not show the session's user.
    cp "$program" "$work/redizado" && cp "$(dirname "$program")"/redizado-*.so "$work/"
    mkdir -p -m 0700 "$work/run"
    mkdir -p "$work/home" "$work/config" "$work/shots"
    chown -R "$user:" "$work"
    setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups \
        env -i PATH=/usr/bin:/bin LD_LIBRARY_PATH="$work" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
        XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway LANG=C.UTF-8 \
        dbus-run-session --config-file="$work/bus/bus.conf" -- bash "$work/sway-session.sh" --inside "$work"
    status=$?
    if [ -n "$shots" ]; then
        mkdir -p "$shots" && cp "$work"/shots/*.png "$shots/" 2>/dev/null
    fi
    exit $status
fi

work=$2
program=$work/redizado
patience=60
. "$work/checks.sh"
pids=()
cleanup() {
    exec 3>&- 2>/dev/null
    stop_pids
}
trap cleanup EXIT
finish() { finish_with sway="$work/sway.log" redizado="$work/redizado.log" wtype="$work/wtype.log"; }

# The size the program gives its panel window.
panel_width=320
panel_height=440
cat >"$work/waybar.json" <<'EOF'
{ "layer": "top", "position": "top", "height": 28, "modules-left": ["sway/workspaces"], "modules-right": ["tray"],
  "tray": { "icon-size": 20, "spacing": 4 } }
EOF
cat >"$work/sway.conf" <<EOF
output HEADLESS-1 resolution 1440x900
xwayland disable
exec waybar -c $work/waybar.json >$work/waybar.log 2>&1
EOF
export SWAYSOCK=$XDG_RUNTIME_DIR/sway-ipc.sock
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
watcher_items() {
    gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems
}
check "sway starts and waybar's tray watches for items" until_true watcher_items
[ "$failed" = 0 ] || finish
WAYLAND_DISPLAY=$(swaymsg -t get_outputs >/dev/null && basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock | head -1)")
export WAYLAND_DISPLAY

# One long-lived virtual keyboard for the whole session: a lone short-lived one would come and go, and the panel
# takes the seat's last keyboard going for losing the focus. wtype 0.4 types what it reads from a pipe only at the
# pipe's end, so this one only holds the seat's keyboard, and short-lived ones beside it do the typing.
mkfifo "$work/keys"
wtype - <"$work/keys" >"$work/wtype.log" 2>&1 &
pids+=($!)
exec 3>"$work/keys"
type_keys() { wtype -d 20 "$@" >>"$work/wtype.log" 2>&1; }

QT_QPA_PLATFORM=wayland "$program" >"$work/redizado.log" 2>&1 &
pids+=($!)
# The item's bus name and path, as the tray knows it.
registered() { watcher_items | grep -q "StatusNotifierItem"; }
check "the program's icon is in waybar's tray" until_true registered
log "tray items: $(watcher_items)"
grim "$work/shots/sway-tray.png"

panel() { swaymsg -t get_tree | jq -c '.. | objects | select(.pid? and .visible == true and
    (.app_id // "" | test("redizado"; "i")))'; }
shown() { [ -n "$(panel)" ]; }
hidden() { [ -z "$(panel)" ]; }
# sway puts a new floating window in the middle of the workspace, the area the bar leaves.
centred() {
    swaymsg -t get_tree | jq -e '[.. | objects | select(.type == "workspace") |
        .rect as $w | .floating_nodes[]? | select(.app_id // "" | test("redizado"; "i")) | .rect as $r |
        ($r.x + $r.width / 2 - $w.x - $w.width / 2 | fabs) <= 1 and ($r.y + $r.height / 2 - $w.y - $w.height / 2 | fabs) <= 1
    ] | any'
}
"$program" toggle
check "redizado toggle shows the panel" until_true shown
facts=$(panel | head -1)
log "the panel in sway's tree: $(jq -c '{app_id, type, border, rect, window_rect, focused}' <<<"$facts")"
check "the panel floats" test "$(jq -r .type <<<"$facts")" = floating_con
check "the panel has the size the program gives it" \
    test "$(jq -r '"\(.window_rect.width)x\(.window_rect.height)"' <<<"$facts")" = "${panel_width}x${panel_height}"
check "the panel has no title bar or border" grep -qx '"none"\|"csd"' <<<"$(jq .border <<<"$facts")"
focused() { [ "$(panel | jq -r .focused)" = true ]; }
check "the panel has the focus" until_true focused
check "the panel is in the middle of the area under the bar" centred

type_keys 'water the plants' -k Return
listed() { "$program" list | grep -qx 'water the plants'; }
check "typing into the panel adds an item" until_true listed
check "the panel still shows with the focus after the typing" focused
grim "$work/shots/sway-panel.png"

"$program" toggle
check "redizado toggle hides the panel" until_true hidden
"$program" toggle
floats_centred() { [ "$(panel | jq -r .type)" = floating_con ] && centred; }
check "shown again, the panel floats in the same place" until_true floats_centred
finish
