#!/usr/bin/env bash
# The program on a real Plasma 5.27 desktop (KWin on a virtual output, its global-shortcut service and the KDE
# desktop portal): the shortcut switched on in the preferences is bound by the desktop without any window opening,
# its keys are read back, the binding outlives a restart of the program, and the desktop's shortcut reaches it.
# Run as root: the desktop runs as an unprivileged user of its own. Skipped (exit 77) without the desktop's packages.
# Usage: kde-session.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"

if [ "${1:-}" != --inside ]; then
    program=$(readlink -f "$1")
    require_installed /usr/bin/kwin_wayland /usr/libexec/xdg-desktop-portal \
        /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde /usr/bin/qdbus dbus-run-session setpriv
    [ "$(id -u)" = 0 ] || { echo "e2e: run as root, to start the desktop as a user of its own"; exit 2; }
    user=redizado-e2e
    id -u "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$user" || exit 2
    work=$(mktemp -d /tmp/redizado-kde.XXXXXX)
    trap 'rm -rf "$work"' EXIT
    chmod 0755 "$work"
    # The installed KWin carries a file capability that a container refuses to honour; a plain copy does not.
    cp /usr/bin/kwin_wayland "$here/kde-session.sh" "$here/checks.sh" "$work/"
    # The command loads the program from beside itself.
    cp "$program" "$work/redizado" && cp "$(dirname "$program")/redizado-program.so" "$work/"
    mkdir -p -m 0700 "$work/run"
    mkdir -p "$work/home" "$work/config/redizado"
    shortcut_preferences true >"$work/config/redizado/defaults.plist"
    chown -R "$user:" "$work"
    # WAYLAND_DISPLAY is set before the bus starts: the services it starts on demand find the compositor by it.
    setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups \
        env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
        XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=redizado-kde LANG=C.UTF-8 \
        dbus-run-session -- bash "$work/kde-session.sh" --inside "$work"
    exit $?
fi

work=$2
program=$work/redizado
on_bus() { qdbus | grep -qx " *$1"; }
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; }
trap cleanup EXIT
finish() {
    finish_with kwin="$work/kwin.log" portal="$work/portal.log" portal-kde="$work/portal-kde.log" redizado="$work/redizado.log"
}

"$work/kwin_wayland" --virtual --width 1440 --height 900 --socket "$WAYLAND_DISPLAY" --xwayland \
    >"$work/kwin.log" 2>&1 &
pids+=($!)
check "KWin starts and hosts the global shortcuts" until_true on_bus org.kde.kglobalaccel
[ "$failed" = 0 ] || finish
/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde >"$work/portal-kde.log" 2>&1 &
pids+=($!)
/usr/libexec/xdg-desktop-portal >"$work/portal.log" 2>&1 &
pids+=($!)
check "the desktop portal offers global shortcuts" until_true qdbus org.freedesktop.portal.Desktop \
    /org/freedesktop/portal/desktop org.freedesktop.DBus.Properties.Get org.freedesktop.portal.GlobalShortcuts version
[ "$failed" = 0 ] || finish

start() {
    QT_QPA_PLATFORM=wayland "$program" --verbose >>"$work/redizado.log" 2>&1 &
    redizado=$!
}
bound_lines() { grep -c 'the desktop bound the shortcut to' "$work/redizado.log"; }
bound_at_least() { [ "$(bound_lines)" -ge "$1" ]; }
# The component kglobalaccel keeps our shortcut in, whatever the portal named it.
component() {
    local path
    for path in $(qdbus --literal org.kde.kglobalaccel /kglobalaccel org.kde.KGlobalAccel.allComponents |
        grep -o '/component/[A-Za-z0-9_]*'); do
        qdbus org.kde.kglobalaccel "$path" org.kde.kglobalaccel.Component.shortcutNames 2>/dev/null |
            grep -qx 'toggle-panel-1' && echo "$path" && return 0
    done
    return 1
}
settings_opened() { pgrep -u "$(id -u)" -f 'systemsettings|kcmshell' >/dev/null; }

start
check "the program says the shortcut comes from the portal" until_true grep -q 'comes from the desktop portal' \
    "$work/redizado.log"
check "the desktop binds the shortcut and the program logs its keys" until_true bound_at_least 1
grep 'the desktop bound the shortcut to' "$work/redizado.log" | sed 's/^/  /'
check "the desktop's shortcut service holds the binding" until_true component
check "no settings window opened" bash -c "! $(declare -f settings_opened); settings_opened"
first=$(grep -m1 -o 'bound the shortcut to .*' "$work/redizado.log")

kill "$redizado" && wait "$redizado"
start
check "after a restart the same binding is read back" until_true bound_at_least 2
again=$(grep -o 'bound the shortcut to .*' "$work/redizado.log" | sed -n 2p)
check "the keys are the same after the restart ($again)" test -n "$first" -a "$first" = "$again"
check "still no settings window after the restart" bash -c "! $(declare -f settings_opened); settings_opened"

# Invoking the shortcut is what the desktop does on the keys; the portal passes it on to the program's session.
dbus-monitor "type='signal',interface='org.freedesktop.portal.GlobalShortcuts'" >"$work/signals.log" 2>&1 &
pids+=($!)
until_true grep -q NameAcquired "$work/signals.log"
qdbus org.kde.kglobalaccel "$(component)" org.kde.kglobalaccel.Component.invokeShortcut toggle-panel-1 >/dev/null
check "the desktop passes the shortcut to the program's session" until_true grep -q 'member=Activated' \
    "$work/signals.log"
kill "$redizado" && wait "$redizado"
finish
