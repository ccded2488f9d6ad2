#!/usr/bin/env bash
# The program's XEmbed icon in the X11 trays of lxqt-panel, lxpanel and trayer, each on a virtual display with
# openbox: the icon shows on the bar, a click on it opens the panel, and the panel hangs from the bar's bottom
# with its middle under the icon. Trays that are not installed are left out; exit 77 when none is.
# Usage: x11-trays-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(readlink -f "$1")
shots=${2:-$(mktemp -d)}
. "$here/checks.sh"

require_installed Xvfb openbox xdotool xwininfo xdpyinfo xprop import convert dbus-daemon gdbus
trays=()
for tray in lxqt-panel lxpanel trayer; do
    if command -v "$tray" >/dev/null; then trays+=("$tray"); else log "$tray is not installed; left out"; fi
done
[ ${#trays[@]} -gt 0 ] || { log "none of the trays is installed; skipped"; exit 77; }

mkdir -p "$shots"
work=$(mktemp -d /tmp/redizado-x11-trays.XXXXXX)
pids=()
stop_all() {
    # The display is free again only once its server is gone.
    stop_pids
    pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT

# A display no other session holds.
for n in $(seq 74 99); do [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break; done
export DISPLAY=:$n
# The program talks to no session bus, as when started outside the desktop's: with a StatusNotifierItem watcher on
# one it would leave the X11 tray.
no_bus=unix:path=$work/no-bus
patience=30
# A check whose failure leaves nothing for the next ones to look at.
check_or_stop() {
    local before=$failed
    check "$@"
    [ "$failed" = "$before" ]
}

# Each bar across the top of the screen, its tray where the panel can hang centred under the icon.
lxqt_panel_config() {
    mkdir -p "$1/lxqt"
    cp "$here/x11-trays/lxqt-panel.conf" "$1/lxqt/panel.conf"
    printf '[General]\ntheme=dark\n' >"$1/lxqt/lxqt.conf"
}
lxpanel_config() {
    mkdir -p "$1/lxpanel/e2e/panels"
    cp "$here/x11-trays/lxpanel.conf" "$1/lxpanel/e2e/panels/panel"
}
start_tray() { # NAME
    case $1 in
        lxqt-panel)
            # Its tray hands each docked icon to the panel's own StatusNotifierItem host over its session bus, and
            # shows nothing without one: the panel gets a bus of its own, which starts none of the machine's services.
            mkdir -p "$work/bus/services"
            cp "$here/../session-bus.conf" "$work/bus/bus.conf"
            local address
            address=$(dbus-daemon --config-file="$work/bus/bus.conf" --fork --print-address=1 --print-pid=3 \
                3>"$work/bus.pid")
            pids+=("$(cat "$work/bus.pid")")
            panel_bus=$address
            XDG_CONFIG_DIRS=/etc/xdg:/usr/share DBUS_SESSION_BUS_ADDRESS=$address lxqt-panel \
                >"$work/$tray.log" 2>&1 &
            pids+=($!)
            ;;
        lxpanel)
            DBUS_SESSION_BUS_ADDRESS=$no_bus lxpanel --profile e2e >"$work/$tray.log" 2>&1 &
            pids+=($!)
            ;;
        trayer)
            DBUS_SESSION_BUS_ADDRESS=$no_bus trayer --edge top --align center --widthtype percent --width 20 \
                --height 26 --transparent true --alpha 0 --tint 0x303030 >"$work/$tray.log" 2>&1 &
            pids+=($!)
            ;;
    esac
}
bar_window() {
    case $tray in
        lxqt-panel) xdotool search --onlyvisible --name '^LXQt Panel$' ;;
        # Each also has a window of its own name, never mapped.
        lxpanel) xdotool search --onlyvisible --class '^lxpanel$' ;;
        trayer) xdotool search --onlyvisible --class '^trayer$' ;;
    esac 2>/dev/null | head -1
}
# x y width height of a window on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
watcher_up() {
    DBUS_SESSION_BUS_ADDRESS=$panel_bus gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher | grep -q true
}
bar_up() {
    [ -n "$(bar_window)" ] || return 1
    [ "$tray" != lxqt-panel ] || watcher_up
}

# The bar as it shows, cut from a screenshot.
bar_shot() { import -window root "$work/screen.png" && convert "$work/screen.png" -crop "${bw}x${bh}+${bx}+${by}" +repage "$1"; }
# Painted and still: the same in several screenshots in a row, as a bar that paints in steps is not after one.
bar_settled() {
    bar_shot "$work/bar-now.png" || return 1
    if [ "$(compare -metric AE "$work/bar-now.png" "$work/bar-empty.png" null: 2>&1)" = 0 ]; then
        alike=$((alike + 1))
    else
        alike=0
    fi
    mv "$work/bar-now.png" "$work/bar-empty.png"
    [ "$alike" -ge 5 ]
}
# The icon as drawn on the bar, as x y width height on the screen: the box of what changed on the bar since it
# was empty. What a person sees, whichever window draws it.
icon_box() {
    bar_shot "$work/bar-now.png" 2>/dev/null || return 1
    convert "$work/bar-empty.png" "$work/bar-now.png" -compose difference -composite -colorspace gray \
        -threshold 8% -bordercolor black -border 1 -trim -format "%w %h %X %Y" info: 2>/dev/null |
        awk -v bx="$bx" -v by="$by" '$1 > 1 || $2 > 1 {print bx + $3 - 1, by + $4 - 1, $1, $2}'
}
# Large enough to make out (trays give icons 16 px and more), and no larger than the bar.
icon_shown() {
    read -r ix iy iw ih <<<"$(icon_box)"
    [ -n "${iw:-}" ] && [ "$iw" -ge 16 ] && [ "$ih" -ge 16 ] && [ "$iw" -le "$bh" ] && [ "$ih" -le "$bh" ]
}
panel_window() { xdotool search --onlyvisible --name '^Redizado$' 2>/dev/null | head -1; }
panel_shown() { [ -n "$(panel_window)" ]; }
# Under the icon's middle within 30 px, its top within 10 px under the bar's bottom.
panel_placed() {
    read -r px py pw ph <<<"$(geometry "$(panel_window)")"
    local off=$((px + pw / 2 - (ix + iw / 2)))
    [ "${off#-}" -le 30 ] && [ "$py" -ge $((by + bh)) ] && [ "$py" -le $((by + bh + 10)) ]
}
# The icon's own window and each window above it, as the tray arranged them.
icon_windows() {
    local w root
    root=$(xwininfo -root | awk '/Window id/ {print $4}')
    for w in $(xdotool search --classname '^redizado$' 2>/dev/null); do
        xwininfo -id "$w" | grep -q 'IsViewable' && [ "$(panel_window)" != "$w" ] || continue
        while [ -n "$w" ] && [ "$((w))" != "$((root))" ]; do
            xwininfo -id "$w" | awk '/Window id/ {$1 = $2 = ""; id = $0} /Absolute upper-left X/ {x = $4}
                /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} /Map State/ {m = $3}
                END {printf "  %s %sx%s+%s+%s %s\n", id, w, h, x, y, m}'
            w=$(xwininfo -id "$w" -children | awk '/Parent window id/ {print $4}')
        done
    done
}

run_tray() {
    local config=$work/$tray
    mkdir -p "$config/run"
    chmod 0700 "$config/run"
    export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/run
    # No reset when the last client leaves: the next one to connect would find the server gone for a moment.
    Xvfb "$DISPLAY" -screen 0 1440x900x24 -nolisten tcp -noreset >"$work/xvfb-$tray.log" 2>&1 &
    pids+=($!)
    # Ours, not another session's server that took the display first.
    xvfb_up() { xdpyinfo && kill -0 "$1"; }
    check_or_stop "$tray: the virtual display starts" until_true xvfb_up $! || return
    openbox >"$work/openbox-$tray.log" 2>&1 &
    pids+=($!)
    wm_up() { xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW; }
    check_or_stop "$tray: openbox starts" until_true wm_up || return

    case $tray in lxqt-panel) lxqt_panel_config "$config" ;; lxpanel) lxpanel_config "$config" ;; esac
    start_tray "$tray"
    check_or_stop "$tray: the bar with its tray is up" until_true bar_up || return
    read -r bx by bw bh <<<"$(geometry "$(bar_window)")"
    touch "$work/bar-empty.png"
    alike=0
    check_or_stop "$tray: the bar is painted" until_true bar_settled || return

    DBUS_SESSION_BUS_ADDRESS=$no_bus QT_LOGGING_RULES='redizado.*=true' "$program" >"$work/redizado-$tray.log" 2>&1 &
    pids+=($!)
    check "$tray: the icon shows on the bar" until_true icon_shown
    icon_shown
    import -window root "$shots/$tray-tray.png"
    # The bar around the icon, four times as large, to judge the icon by eye.
    convert "$shots/$tray-tray.png" -crop "160x${bh}+$((${ix:-$((bx + bw / 2))} + ${iw:-0} / 2 - 80))+$by" +repage -scale 400% \
        "$shots/$tray-tray-zoom.png"
    log "$tray: bar ${bw}x${bh}+${bx}+${by}, icon seen at ${iw:-?}x${ih:-?}+${ix:-?}+${iy:-?}; its windows:"
    icon_windows
    if [ -z "${iw:-}" ]; then
        failed=$((failed + 2)) && log "FAIL: $tray: no icon to click"
        return
    fi

    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
    check_or_stop "$tray: a click on the icon opens the panel" until_true panel_shown || return
    check "$tray: the panel hangs from the bar, centred under the icon" until_true panel_placed
    log "$tray: panel at $(geometry "$(panel_window)" | awk '{printf "%sx%s+%s+%s", $3, $4, $1, $2}'), middle" \
        "$((px + pw / 2)) for the icon's $((ix + iw / 2)), top $py for the bar's bottom $((by + bh))"
    log "$tray: the icon's windows with the panel open:"
    icon_windows
    import -window root "$shots/$tray-panel.png"
}

for tray in "${trays[@]}"; do
    before=$failed
    run_tray
    if [ "$failed" != "$before" ]; then
        for f in xvfb-$tray openbox-$tray $tray; do sed "s/^/  $f: /" "$work/$f.log" 2>/dev/null | tail -20; done
        sed 's/^/  program: /' "$work/redizado-$tray.log" | tail -20
    fi
    stop_all
done
log "screenshots in $shots"
echo "$passed passed, $failed failed"
exit $((failed > 0))
