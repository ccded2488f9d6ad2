#!/usr/bin/env bash
# The program in Plasma 5.27's own tray (KWin on a virtual output, plasmashell with its panel), as a Plasma session
# starts it (through XWayland, its own choice) and forced onto Wayland: its icon is registered and drawn in the
# panel, a click on it brings up the panel with the focus, with no title bar, a second click hides it; through
# XWayland the panel is outside the task manager and sits against the bar, centred on the icon as far as the
# screen allows. The icon stands out from both Breeze and Breeze Dark panels, its glyph turning light with the scheme.
# Run as root: the desktop runs as an unprivileged user of its own. Skipped (exit 77) without the desktop's packages.
# Usage: kde-tray-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
    program=$(readlink -f "$1")
    shots=${2:-}
    . "$here/checks.sh"
    require_installed /usr/bin/kwin_wayland /usr/bin/plasmashell /usr/bin/plasma-apply-colorscheme /usr/bin/qdbus \
        /usr/bin/Xwayland convert dbus-run-session setpriv
    /usr/bin/python3 -c 'import ctypes.util, gi; assert ctypes.util.find_library("wayland-client")' 2>/dev/null ||
        { echo "e2e: python3-gi or libwayland-client is not installed; skipped"; exit 77; }
    [ "$(id -u)" = 0 ] || { echo "e2e: run as root, to start the desktop as a user of its own"; exit 2; }
    user=redizado-e2e
    id -u "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$user" || exit 2
    work=$(mktemp -d /tmp/redizado-kde-tray.XXXXXX)
    trap 'rm -rf "$work"' EXIT
    chmod 0755 "$work"
    # The installed KWin carries a file capability that a container refuses to honour; a plain copy does not.
    cp /usr/bin/kwin_wayland "$here/kde-tray-session.sh" "$here/checks.sh" "$work/"
    # The command loads the program from beside itself.
    cp "$program" "$work/redizado" && cp "$(dirname "$program")/redizado-program.so" "$work/"
    mkdir -p -m 0700 "$work/run"
    mkdir -p "$work/home" "$work/config" "$work/shots"
    chown -R "$user:" "$work"
    setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups \
        env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
        XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=redizado-kde-tray LANG=C.UTF-8 \
        dbus-run-session -- bash "$work/kde-tray-session.sh" --inside "$work"
    status=$?
    if [ -n "$shots" ]; then
        mkdir -p "$shots" && cp "$work"/shots/kde-tray-*.png "$shots/" 2>/dev/null
    fi
    exit $status
fi

work=$2
program=$work/redizado
patience=60
. "$work/checks.sh"
pids=()
trap stop_pids EXIT
finish() { finish_with kwin="$work/kwin.log" plasma="$work/plasma.log" redizado="$work/redizado.log"; }
py() { /usr/bin/python3 "$@"; }

# The whole workspace through KWin's screenshot interface, as NAME.png in the screenshot folder.
cat >"$work/screenshot.py" <<'EOF'
import os, subprocess, sys, threading
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
read_end, write_end = os.pipe()
fds = Gio.UnixFDList.new()
index = fds.append(write_end)
os.close(write_end)
pixels = []
def drain():
    with os.fdopen(read_end, "rb") as f:
        pixels.append(f.read())
reader = threading.Thread(target=drain)
reader.start()
reply, _ = bus.call_with_unix_fd_list_sync("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
    "CaptureWorkspace", GLib.Variant("(a{sv}h)", ({}, index)), GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE,
    -1, fds, None)
del fds  # the last copy of the pipe's write end: the reader sees its end
reader.join()
info = reply.unpack()[0]
# 32-bit pixels in the machine's byte order: blue, green, red, alpha.
subprocess.run(["convert", "-size", "%dx%d" % (info["width"], info["height"]), "-depth", "8", "bgra:-",
                sys.argv[1]], input=pixels[0], check=True)
EOF
shot() { py "$work/screenshot.py" "$work/shots/$1.png"; }

# A left click at X Y through KWin's fake-input protocol, the pointer a user would move; with "move", no click.
cat >"$work/click.py" <<'EOF'
import ctypes, ctypes.util, sys
x, y = float(sys.argv[1]), float(sys.argv[2])
wl = ctypes.CDLL(ctypes.util.find_library("wayland-client"))
class Message(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("signature", ctypes.c_char_p), ("types", ctypes.c_void_p)]
class Interface(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("version", ctypes.c_int), ("method_count", ctypes.c_int),
                ("methods", ctypes.POINTER(Message)), ("event_count", ctypes.c_int), ("events", ctypes.c_void_p)]
no_types = (ctypes.c_void_p * 4)()
requests = [(b"authenticate", b"ss"), (b"pointer_motion", b"ff"), (b"button", b"uu"), (b"axis", b"uf"),
            (b"touch_down", b"2uff"), (b"touch_motion", b"2uff"), (b"touch_up", b"2u"), (b"touch_cancel", b"2"),
            (b"touch_frame", b"2"), (b"pointer_motion_absolute", b"3ff"), (b"keyboard_key", b"4uu")]
methods = (Message * len(requests))(*[Message(n, s, ctypes.cast(no_types, ctypes.c_void_p)) for n, s in requests])
fake_input = Interface(b"org_kde_kwin_fake_input", 4, len(requests), methods, 0, None)
wl.wl_display_connect.restype = ctypes.c_void_p
wl.wl_proxy_marshal_flags.restype = ctypes.c_void_p
display = ctypes.c_void_p(wl.wl_display_connect(None))
if not display:
    sys.exit("no Wayland display")
registry = ctypes.c_void_p(wl.wl_proxy_marshal_flags(display, ctypes.c_uint32(1),
    ctypes.c_void_p(ctypes.addressof(ctypes.c_void_p.in_dll(wl, "wl_registry_interface"))), ctypes.c_uint32(1),
    ctypes.c_uint32(0), None))
found = {}
def on_global(data, proxy, name, interface, version):
    if interface == b"org_kde_kwin_fake_input":
        found.update(name=name, version=version)
on_global = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32, ctypes.c_char_p,
                             ctypes.c_uint32)(on_global)
on_remove = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32)(lambda *args: None)
listener = (ctypes.c_void_p * 2)(ctypes.cast(on_global, ctypes.c_void_p), ctypes.cast(on_remove, ctypes.c_void_p))
wl.wl_proxy_add_listener(registry, listener, None)
wl.wl_display_roundtrip(display)
if found.get("version", 0) < 3:
    sys.exit("the compositor offers no fake input with absolute pointer motion")
version = ctypes.c_uint32(min(found["version"], 4))
device = ctypes.c_void_p(wl.wl_proxy_marshal_flags(registry, ctypes.c_uint32(0), ctypes.byref(fake_input), version,
    ctypes.c_uint32(0), ctypes.c_uint32(found["name"]), ctypes.c_char_p(fake_input.name), version, None))
def send(opcode, *args):
    wl.wl_proxy_marshal_flags(device, ctypes.c_uint32(opcode), None, version, ctypes.c_uint32(0), *args)
    wl.wl_display_roundtrip(display)
fixed = lambda v: ctypes.c_int32(round(v * 256))
left_button = ctypes.c_uint32(0x110)
send(0, ctypes.c_char_p(b"redizado tests"), ctypes.c_char_p(b"clicks as a user would"))
send(9, fixed(x), fixed(y))
if sys.argv[3:] != ["move"]:
    send(2, left_button, ctypes.c_uint32(1))
    send(2, left_button, ctypes.c_uint32(0))
EOF
click() { py "$work/click.py" "$@" >>"$work/click.log" 2>&1; }

# KWin's view of the windows, one JSON object a line, through a script it runs (its print() goes to its log).
cat >"$work/windows.js" <<'EOF'
workspace.clientList().forEach(function (c) {
    var g = c.frameGeometry;
    print("window " + JSON.stringify({caption: c.caption, pid: c.pid, dock: c.dock, x: g.x, y: g.y, width: g.width,
        height: g.height, active: c.active, skipTaskbar: c.skipTaskbar, skipSwitcher: c.skipSwitcher, noBorder: c.noBorder}));
});
print("windows end");
EOF
runs=0
windows() {
    local name=windows-$((runs += 1)) from
    from=$(($(wc -l <"$work/kwin.log") + 1))
    qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript "$work/windows.js" "$name" >/dev/null &&
        qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null &&
        patience=10 until_true grep -q 'windows end' <(tail -n +"$from" "$work/kwin.log")
    qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript "$name" >/dev/null
    tail -n +"$from" "$work/kwin.log" | sed -n 's/.*js: window //p'
}
# FIELD of the window of process PID, or of Plasma's panel with PID "dock"; empty when there is none.
window() { # PID FIELD
    windows | py -c 'import json, sys
for w in map(json.loads, sys.stdin):
    if (sys.argv[1] == "dock" and w["dock"]) or str(w["pid"]) == sys.argv[1]:
        print(json.dumps(w[sys.argv[2]])); break' "$@"
}
on_bus() { qdbus | grep -qx " *$1"; }
watcher() { qdbus org.kde.StatusNotifierWatcher /StatusNotifierWatcher "org.kde.StatusNotifierWatcher.$1"; }

# Screenshots and the fake pointer are for privileged clients only, which a session without a login is not.
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
    "$work/kwin_wayland" --virtual --width 1440 --height 900 \
    --socket "$WAYLAND_DISPLAY" --xwayland >"$work/kwin.log" 2>&1 &
kwin=$!
pids+=($kwin)
check "KWin starts with its screenshot interface" until_true on_bus org.kde.KWin.ScreenShot2
[ "$failed" = 0 ] || finish
QT_QPA_PLATFORM=wayland plasmashell --no-respawn >"$work/plasma.log" 2>&1 &
pids+=($!)
dock_shown() { [ -n "$(window dock y)" ]; }
patience=300 check "Plasma shows its panel" until_true dock_shown
# Outside a full Plasma login kded loads none of its start-up modules: the tray's watcher is one.
watching() { qdbus org.kde.kded5 /kded org.kde.kded5.loadModule statusnotifierwatcher >/dev/null &&
    [ "$(watcher IsStatusNotifierHostRegistered)" = true ]; }
check "Plasma's tray watches for status items" until_true watching
[ "$failed" = 0 ] || finish

# Only the icon may change the panel between two screenshots: the clock goes.
qdbus org.kde.plasmashell /PlasmaShell org.kde.PlasmaShell.evaluateScript 'panels().forEach(function (p) {
    p.widgets("org.kde.plasma.digitalclock").forEach(function (w) { w.remove(); }); });' >/dev/null
bar=$(windows | py -c 'import json, sys
print(next("%(width)dx%(height)d+%(x)d+%(y)d %(y)d" % w for w in map(json.loads, sys.stdin) if w["dock"]))')
bar_top=${bar#* }
bar=${bar% *}
strip() { convert "$work/shots/$1.png" -alpha off -crop "$bar" +repage "$work/$1-strip.png"; }
# The largest patch that differs between two screenshots within the bar, as WxH+X+Y on the screen.
changed() { # BEFORE AFTER
    strip "$1" && strip "$2" && convert "$work/$1-strip.png" "$work/$2-strip.png" -compose difference \
        -composite -colorspace gray -threshold 8% -define connected-components:verbose=true -connected-components 8 \
        null: 2>/dev/null | awk -v top="$bar_top" '$NF == "gray(255)" && $4 > area { area = $4; box = $2 }
            END { split(box, b, "[x+]"); if (area) print b[1] "x" b[2] "+" b[3] "+" b[4] + top }'
}
steady() { shot bar-a && sleep 2 && shot bar-b && [ -z "$(changed bar-a bar-b)" ]; }
check "Plasma's panel settles" until_true steady
mv "$work/shots/bar-b.png" "$work/shots/kde-tray-before.png" && rm "$work/shots/bar-a.png"

icon=
registered() { watcher RegisteredStatusNotifierItems | grep -q "StatusNotifierItem-$redizado-"; }
# The icon's box: the largest change in the bar since before the program ran, icon-sized, where the bar was empty,
# and the same in two screenshots (Plasma fades new items in).
icon_drawn() {
    local was=$icon w h x y
    shot "$1" && icon=$(changed kde-tray-before "$1") && [ -n "$icon" ] && [ "$icon" = "$was" ] || return 1
    IFS='x+' read -r w h x y <<<"$icon"
    [ "$w" -ge 14 ] && [ "$w" -le 48 ] && [ "$h" -ge 14 ] && [ "$h" -le 48 ] && [ $((w - h)) -le 4 ] &&
        [ $((h - w)) -le 4 ] && [ "$(convert "$work/shots/kde-tray-before.png" -crop "$icon" -colorspace gray \
            -format '%[fx:standard_deviation<0.01]' info:)" = 1 ]
}
centre_of() { py -c 'import sys; w, h, x, y = map(int, sys.argv[1].replace("x", "+").split("+")); print(x + w // 2, y + h // 2)' "$1"; }
panel_up() { [ "$(window "$redizado" active)" = true ]; }
panel_gone() { [ -z "$(window "$redizado" caption)" ]; }

# The same checks on both platforms, which differ in who places the panel.
tray_round() { # NAME PLATFORM
    local name=$1 facts
    icon=
    shift
    env QT_LOGGING_RULES='redizado.*=true' "$@" "$program" >>"$work/redizado.log" 2>&1 &
    redizado=$!
    pids+=($redizado)
    check "$name: the icon is registered with Plasma's tray" until_true registered
    check "$name: the icon is drawn in Plasma's panel" until_true icon_drawn "kde-tray-$name-icon"
    log "$name: the icon is at $icon"
    read -r icon_x icon_y < <(centre_of "$icon")
    click "$icon_x" "$icon_y"
    check "$name: a click on the icon brings up the panel with the focus" until_true panel_up
    facts=$(windows | grep "\"pid\":$redizado,")
    log "$name: the panel in KWin: $facts"
    shot "kde-tray-$name-panel"
    if [ "$name" = wayland ]; then
        # Qt has no way to ask Plasma to leave a Wayland window out of its task manager: the reason the program
        # runs through XWayland here unless told otherwise.
        log "$name: in the task manager: $(window "$redizado" skipTaskbar | sed 's/true/no/; s/false/yes/')"
    else
        check "$name: the panel is not in the task manager" test "$(window "$redizado" skipTaskbar)" = true
        check "$name: the panel is not in Alt+Tab" test "$(window "$redizado" skipSwitcher)" = true
    fi
    check "$name: the panel has no title bar" test "$(window "$redizado" width)x$(window "$redizado" height)" = 320x440
    if [ "$name" != wayland ]; then
        local x y width height
        read -r x y width height < <(py -c 'import json, sys; w = json.loads(sys.argv[1])
print(w["x"], w["y"], w["width"], w["height"])' "$facts")
        # Centred on the icon, unless that would take it past the screen's edge.
        local want=$((icon_x - width / 2))
        want=$((want < 0 ? 0 : want > 1440 - width ? 1440 - width : want))
        check "$name: the panel is centred on the icon, within the screen" test $((x - want)) -ge -2 -a \
            $((x - want)) -le 2
        check "$name: the panel stands against the bar" test $((bar_top - y - height)) -ge 0 -a \
            $((bar_top - y - height)) -le 8
    fi
    click "$icon_x" "$icon_y"
    check "$name: a second click hides the panel" until_true panel_gone
    click 720 300 move
}

xdisplay=$(ps -o args= --ppid "$kwin" | awk '$1 ~ /Xwayland$/ {print $2}')
# As a Plasma session starts it, with both displays: the program picks XWayland itself.
tray_round plasma DISPLAY="$xdisplay"
check "plasma: the program says it runs through XWayland" grep -q 'runs through XWayland' "$work/redizado.log"
kill "$redizado" && wait "$redizado"
tray_round wayland QT_QPA_PLATFORM=wayland DISPLAY="$xdisplay"

# At least a tenth of the icon's pixels stand out 3:1 from the bar's own colour, taken beside the icon.
stands_out() { # SCREENSHOT
    local w h x y
    IFS='x+' read -r w h x y <<<"$icon"
    convert "$work/shots/$1.png" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 rgb:- | py -c 'import sys
def luminance(r, g, b):
    c = [v / 255 for v in (r, g, b)]
    c = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]
px = sys.stdin.buffer.read()
bar = luminance(*map(int, sys.argv[1:4]))
lum = [luminance(*px[i:i + 3]) for i in range(0, len(px), 3)]
ratio = lambda l: (max(l, bar) + 0.05) / (min(l, bar) + 0.05)
share = sum(ratio(l) >= 3 for l in lum) / len(lum)
print("%.0f%% of the icon stands out 3:1" % (share * 100), file=sys.stderr)
sys.exit(share < 0.1)' $(convert "$work/shots/$1.png" -format "%[fx:int(255*p{$((x - 4)),$((y - 4))}.r)] \
        %[fx:int(255*p{$((x - 4)),$((y - 4))}.g)] %[fx:int(255*p{$((x - 4)),$((y - 4))}.b)]" info:)
}
check "the icon stands out from Breeze's panel" stands_out kde-tray-plasma-icon
plasma-apply-colorscheme BreezeDark >/dev/null 2>&1
dark_bar() { shot kde-tray-dark && [ "$(convert "$work/shots/kde-tray-dark.png" -crop "$bar" -colorspace gray \
    -format '%[fx:mean<0.3]' info:)" = 1 ]; }
check "Plasma's panel turns dark" until_true dark_bar
# The glyph shows above and left of the count's badge: a fifth of that corner is light strokes once the program has
# followed the scheme (a tenth while the glyph is still drawn dark: the badge's rim).
light_glyph() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$icon"
    shot kde-tray-dark && [ "$(convert "$work/shots/kde-tray-dark.png" -crop "$((w / 2))x$((h / 2))+${x}+${y}" \
        -fx 'r > 0.8 && g > 0.8 && b > 0.8' -format '%[fx:mean >= 0.2]' info:)" = 1 ]
}
check "the glyph turns light on Breeze Dark's panel" until_true light_glyph
check "the icon stands out from Breeze Dark's panel" stands_out kde-tray-dark
finish
