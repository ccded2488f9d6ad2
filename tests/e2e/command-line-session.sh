#!/usr/bin/env bash
# The command line against the running program on a virtual desktop: an item added from a terminal shows in
# the open panel and in the icon's count, a second start leaves one icon, a lock left by a killed copy is taken
# over, and a hand edit of the preferences file shows up. Usage: command-line-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:90
. "$here/session.sh"

cleanup() {
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
"$here/virtual-desktop.sh" start "$display" >/dev/null

icons() { xdotool search --classname '^redizado$' 2>/dev/null | while read -r w; do
    xwininfo -id "$w" | grep -q 'Width: 2[0-9]$' && echo "$w"; done; }
tray_icon() { [ "$(icons | wc -l)" -ge 1 ]; }
panel_window() { xdotool search --onlyvisible --name '^Redizado$' 2>/dev/null | head -1; }
panel_shown() { [ -n "$(panel_window)" ]; }
panel_hidden() { [ -z "$(panel_window)" ]; }
shot_of() { import -window "$1" "$2" 2>/dev/null; }
differ() { ! cmp -s "$1" "$2"; }
lists() { [ "$("$program" list)" = "$1" ]; }
start_program() {
    "$program" >>"$config/redizado.log" 2>>"$config/redizado.err" &
    pid=$!
    until_true tray_icon || fail "no tray icon appeared"
}

# With nothing running, the command line works on the store alone and leaves no copy behind; it keeps the day's
# copy of the preferences without a word.
"$program" add "written before the start" 2>"$config/add.err" || fail "add without a running copy failed"
[ ! -s "$config/add.err" ] || fail "add printed on standard error: $(cat "$config/add.err")"
[ "$("$program" count)" = 1 ] || fail "count without a running copy is not 1"
grep -q '<string>written before the start</string>' "$store" || fail "the item is not in $store"
log "add and count work with no copy running"

start_program
[ ! -s "$config/redizado.err" ] || fail "a start printed on standard error: $(cat "$config/redizado.err")"
icon=$(icons | head -1)
shot_of "$icon" "$shots/icon-before.png"
"$program" toggle || fail "toggle failed"
until_true panel_shown || fail "redizado toggle did not open the panel"
sleep 0.5 # the row animations settle
shot_of "$(panel_window)" "$shots/panel-before.png"

"$program" add "from the terminal" || fail "add to the running copy failed"
grep -q '<string>from the terminal</string>' "$store" || fail "the added item was not stored at once"
lists "$(printf 'from the terminal\nwritten before the start')" || fail "the running copy lists: $("$program" list)"
[ "$("$program" count)" = 2 ] || fail "the count did not follow the added item"
# Repainting may lag on a loaded machine: look again until the picture changes.
changed_since() { shot_of "$1" "$3" && differ "$2" "$3"; }
until_true changed_since "$(panel_window)" "$shots/panel-before.png" "$shots/panel-after-add.png" ||
    fail "the open panel did not change for the new item"
until_true changed_since "$icon" "$shots/icon-before.png" "$shots/icon-after-add.png" ||
    fail "the icon's count did not change"
log "an item added from the terminal shows in the panel and in the icon"

"$program" toggle || fail "toggle failed"
until_true panel_hidden || fail "redizado toggle did not close the panel"
"$program" >>"$config/redizado.log" 2>&1 || fail "a second start did not exit 0"
until_true panel_shown || fail "a second start did not show the running copy's panel"
sleep 1
[ "$(icons | wc -l)" = 1 ] || fail "a second start added a second icon"
kill -0 "$pid" || fail "the first copy is gone"
log "a second start shows the panel and adds no icon"

# Sync is off: the program, its panel and the socket later starts talk to need no network library.
grep -q libQt6Core "/proc/$pid/maps" || fail "no Qt in the program's memory map: the check would prove nothing"
grep -q libQt6Network "/proc/$pid/maps" && fail "with sync off the program loaded Qt's network library"
log "with sync off no network library is loaded"

kill -9 "$pid"; wait "$pid" 2>/dev/null || true
[ -e "$XDG_RUNTIME_DIR/redizado.lock" ] || fail "the killed copy left no lock to recover from"
# With none running, toggle starts the program and shows its panel.
"$program" toggle >>"$config/redizado.log" 2>&1 &
pid=$!
until_true tray_icon || fail "toggle after a crash did not start the program"
until_true panel_shown || fail "toggle that started the program did not show its panel"
[ "$("$program" count)" = 2 ] || fail "the copy started after a crash does not answer"
"$program" toggle
until_true panel_hidden || fail "toggle did not hide the panel"
log "the lock of a killed copy is taken over; toggle starts the program when none runs"

# A hand edit while the program runs, as a text editor saves it.
perl -0pi -e 's#<string>from the terminal</string>#<string>edited by hand</string>#' "$store"
until_true lists "$(printf 'edited by hand\nwritten before the start')" ||
    fail "the hand edit was not picked up: $("$program" list)"
"$program" toggle
until_true panel_shown || fail "the panel did not open after the hand edit"
sleep 0.5
"$here/virtual-desktop.sh" screenshot "$shots/after-hand-edit.png" "$display"
log "a hand edit is picked up"

# A half-written file is left alone, and an item added meanwhile waits in memory rather than overwrite it.
cp "$store" "$config/complete.plist"
printf '<?xml version="1.0"?><plist version="1.0"><dict><key>allRed' >"$store"
sleep 0.5
"$program" add "while the file is half written" 2>>"$config/redizado.log" &&
    fail "an add over a half-written file claimed it was saved"
grep -qx '<?xml version="1.0"?><plist version="1.0"><dict><key>allRed' "$store" ||
    fail "the half-written file was overwritten"
kill -0 "$pid" || fail "the program died on a half-written file"
# Once the file is whole again, the waiting item is saved and the other version is kept beside it.
perl -0pi -e 's#<string>edited by hand</string>#<string>restored from a backup</string>#' "$config/complete.plist"
cp "$config/complete.plist" "$store"
until_true grep -q '<string>while the file is half written</string>' "$store" ||
    fail "the item added meanwhile was not saved once the file could be read"
ls "$store".replaced-* >/dev/null 2>&1 || fail "the version written meanwhile was not kept"
lists "$(printf 'while the file is half written\nedited by hand\nwritten before the start')" ||
    fail "after the half-written file the program lists: $("$program" list)"
log "a half-written file is left alone and nothing is lost"
echo "1 passed, 0 failed"
