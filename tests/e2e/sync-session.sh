#!/usr/bin/env bash
# Sync as a user sets it up from a terminal: two copies of the program (two configuration folders) share one
# calendar server of the test's own, with the password in a keyring on a private session bus, and catch up after
# one was off line; a running copy syncs when asked and shows what came in; with sync off the running program
# opens no network socket.
# Usage: sync-session.sh PROGRAM [SCREENSHOT_FOLDER]. Skipped (exit 77) where radicale or gnome-keyring is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:91
for tool in radicale gnome-keyring-daemon dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is not installed; skipped"; exit 77; }
done
. "$here/session.sh"
. "$here/sync-fixtures.sh"
home_a=$config/a home_b=$config/b
mkdir -p "$home_a" "$home_b" "$config/server"

cleanup() {
    for p in ${pid:-} ${radicale:-} ${keyring:-} ${bus:-}; do kill "$p" 2>/dev/null || true; done
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT

start_keyring_bus

# The calendar server, on a free port, with one user.
write_radicale_config "$config/server"
start_server() {
    radicale --config "$config/server/config" >>"$config/server/log" 2>&1 &
    radicale=$!
    until_true answering || fail "radicale did not start"
}
start_server
server=http://127.0.0.1:$port/
# A command with no copy running answers from the store itself, so only the socket says a tray program runs.
copy_answers() { python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' \
    "$XDG_RUNTIME_DIR/redizado.socket"; }
until_copy_answers() { for _ in $(seq 300); do copy_answers 2>/dev/null && return 0; sleep 0.1; done; return 1; }

as_a() { XDG_CONFIG_HOME=$home_a "$program" "$@"; }
as_b() { XDG_CONFIG_HOME=$home_b "$program" "$@"; }

# A wrong password is refused and keeps nothing.
if echo wrong | as_a sync --account "$server" alice >"$config/out" 2>&1; then
    fail "a wrong password was taken: $(cat "$config/out")"
fi
as_a sync --status | grep -qi off || fail "after a wrong password sync is not off: $(as_a sync --status)"
log "a wrong password is refused and sync stays off"

# A sets up sync with an item already on its list; B joins with its own item; they converge.
as_a add "written on A before sync" >/dev/null
echo secret | as_a sync --account "$server" alice >"$config/out" 2>&1 || fail "A's account: $(cat "$config/out")"
grep -q 'secret' "$home_a/redizado/defaults.plist" "$home_a/redizado/sync.plist" 2>/dev/null &&
    fail "the password was written to a file"
as_b add "written on B" >/dev/null
echo secret | as_b sync --account "$server" alice >"$config/out" 2>&1 || fail "B's account: $(cat "$config/out")"
as_b list | grep -qx "written on A before sync" || fail "B did not get A's item: $(as_b list)"
as_a sync >"$config/out" 2>&1 || fail "A's sync: $(cat "$config/out")"
as_a list | grep -qx "written on B" || fail "A did not get B's item: $(as_a list)"
[ "$(as_a list --all | sort)" = "$(as_b list --all | sort)" ] || fail "A and B differ"
log "two copies converge through the server"

# A off line: its sync says to try later and its list stays; back on line, both copies agree again.
kill "$radicale"; wait "$radicale" 2>/dev/null || true
as_a add "written on A off line" >/dev/null
status=0; as_a sync >"$config/out" 2>&1 || status=$?
[ "$status" = 4 ] || fail "an off-line sync ended $status, not 4 (try later): $(cat "$config/out")"
as_a list | grep -qx "written on A off line" || fail "A's list lost an item off line: $(as_a list)"
start_server
as_b add "written on B meanwhile" >/dev/null
as_b sync >/dev/null 2>&1 || fail "B's sync after the server came back failed"
as_a sync >"$config/out" 2>&1 || fail "A's sync back on line: $(cat "$config/out")"
as_b sync >/dev/null 2>&1 || fail "B's second sync failed"
[ "$(as_a list --all | sort)" = "$(as_b list --all | sort)" ] || fail "A and B differ after A was off line"
as_b list | grep -qx "written on A off line" || fail "B did not get what A wrote off line"
log "a copy off line says to try later, keeps its items, and catches up"

# B runs as the tray program; an item synced in from A shows in its list, through the running copy.
export XDG_CONFIG_HOME=$home_b
"$here/virtual-desktop.sh" start "$display" >/dev/null
"$program" >>"$config/redizado.log" 2>&1 &
pid=$!
until_copy_answers || fail "B's tray program does not answer"
as_a add "from A while B runs" >/dev/null
as_a sync >/dev/null 2>&1 || fail "A's second sync failed"
"$program" sync >"$config/out" 2>&1 || fail "the running copy's sync: $(cat "$config/out")"
"$program" list | grep -qx "from A while B runs" || fail "the running copy did not take A's item: $("$program" list)"
"$program" toggle
sleep 0.5 # the panel settles
"$here/virtual-desktop.sh" screenshot "$shots/synced-panel.png" "$display"
xdotool key ctrl+comma # the settings, with the sync's account and how it stands
sleep 0.5
"$here/virtual-desktop.sh" screenshot "$shots/sync-settings.png" "$display"
log "the running copy syncs when asked and lists what came in"

# Sync off: the account and its password are forgotten; a program started now opens no network socket.
"$program" sync --off >/dev/null || fail "sync --off failed"
"$program" sync --status | grep -qi off || fail "sync is not off: $("$program" sync --status)"
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=
if command -v strace >/dev/null && strace -f -o /dev/null true 2>/dev/null; then
    strace -f -e trace=socket -o "$config/sockets" "$program" >>"$config/redizado.log" 2>&1 &
    pid=$!
    until_copy_answers || fail "the program under strace does not answer"
    "$program" toggle
    sleep 2 # what a start and a shown panel would open
    grep -q AF_UNIX "$config/sockets" || fail "strace saw no socket at all: the check would prove nothing"
    grep -E 'AF_INET6?' "$config/sockets" && fail "with sync off the program opened a network socket"
    log "with sync off no network socket is opened"
else
    log "strace cannot trace here: the socket check is skipped"
fi
