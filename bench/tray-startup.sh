#!/usr/bin/env bash
# Start to the icon mapped in the tray, and proportional memory once settled, of the program (with an empty store,
# with one item to do, with 10,000 stored items, and with 100,000 for the curve) beside a bare Qt tray program, on a virtual desktop with a private session bus.
# The five are started in turn, round after round, so that the machine's load, and other programs sharing the
# same libraries (which lowers each one's proportional share), weigh on each alike; each figure is the median of
# the rounds.
# Usage: tray-startup.sh PROGRAM BARE_TRAY_PROGRAM [RUNS]
# The tools (tray-start-watch, make-store) are taken from the bare program's folder. TRAY_BENCH_DISPLAY picks the
# display; by default the first free one from :92.
set -euo pipefail
program=$(realpath "$1")
bare=$(realpath "$2")
# One start takes from 25 to 45 ms here: the median of 9 rounds still moves by a tenth from one run to the next.
runs=${3:-25}
tools=$(dirname "$bare")
here=$(cd "$(dirname "$0")" && pwd)
desktop=$here/../tests/e2e/virtual-desktop.sh
items=10000
# No budget: the start's curve from 10,000 on.
large=100000
# Long enough for what a start leaves to the event loop to have run.
settle_ms=2000

display=${TRAY_BENCH_DISPLAY:-}
if [ -z "$display" ]; then
    for n in $(seq 92 120); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || [ -d "/tmp/redizado-desktop-$n" ] ||
            { display=:$n; break; }
    done
fi
work=$(mktemp -d)
# The runtime folder in memory, as a desktop's /run/user/ID is: the program's lock there is synced to disk, which
# costs nothing on a desktop and tens of milliseconds on this machine's disk.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || echo "$work/run")
bus_pid=
cleanup() {
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    "$desktop" stop "$display" >/dev/null
    rm -rf "$work" "$runtime"
}
trap cleanup EXIT
"$desktop" start "$display" >/dev/null
export DISPLAY=$display

# A bus that starts nothing of the machine's: no desktop portal, no StatusNotifierItem host, as on a plain X11 desktop.
mkdir -p "$work/bus/services"
cp "$here/../tests/session-bus.conf" "$work/bus/bus.conf"
dbus-daemon --config-file="$work/bus/bus.conf" --fork --print-address=3 --print-pid=4 \
    3>"$work/bus/address" 4>"$work/bus/pid"
bus_pid=$(cat "$work/bus/pid")
export DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus/address")

# The stores as the program leaves them after a first start: no items, 10,000 and 100,000.
mkdir -p "$work/stores"
"$tools/make-store" "$work/stores/empty.plist" 0 2>/dev/null
# One done and one to do: the icon shows a count, as at 10,000.
"$tools/make-store" "$work/stores/one.plist" 2 2>/dev/null
"$tools/make-store" "$work/stores/full.plist" "$items" 2>/dev/null
"$tools/make-store" "$work/stores/large.plist" "$large" 2>/dev/null

# One start: a home of its own (a running copy would take the start over), the store copied in fresh.
# Prints "MILLISECONDS PSS_KIB PRIVATE_KIB".
start() {
    local name=$1 store=$2
    local home=$work/home
    rm -rf "$home" "$runtime"
    mkdir -p "$home/config/redizado" "$runtime"
    chmod 0700 "$runtime"
    [ -n "$store" ] && cp "$work/stores/$store.plist" "$home/config/redizado/defaults.plist"
    local binary=$program
    [ "$name" = baretray ] && binary=$bare
    XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$runtime \
        "$tools/tray-start-watch" tint2 "$name" "$settle_ms" "$binary" 2>"$work/errors" ||
        { echo "tray-startup: $name${store:+ with the $store store}:" >&2; cat "$work/errors" >&2; exit 1; }
}

: >"$work/bare" ; : >"$work/empty" ; : >"$work/one" ; : >"$work/full" ; : >"$work/large"
for _ in $(seq "$runs"); do
    start baretray "" >>"$work/bare"
    start redizado empty >>"$work/empty"
    start redizado one >>"$work/one"
    start redizado full >>"$work/full"
    start redizado large >>"$work/large"
done

# TRAY_BENCH_RAW names a folder to keep every start's figures in, one file per kind of start.
[ -n "${TRAY_BENCH_RAW:-}" ] && mkdir -p "$TRAY_BENCH_RAW" && cp "$work"/bare "$work"/empty "$work"/one "$work"/full \
    "$work"/large "$TRAY_BENCH_RAW"/

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
column() { cut -d' ' -f"$1" "$work/$2" | median; }
ms_bare=$(column 1 bare) ms_empty=$(column 1 empty) ms_full=$(column 1 full) ms_large=$(column 1 large)
kib_bare=$(column 2 bare) kib_empty=$(column 2 empty) kib_full=$(column 2 full)
own_empty=$(column 3 empty) own_one=$(column 3 one) own_full=$(column 3 full)

echo "tray start on $display, median of $runs rounds; load: $(cut -d' ' -f1-3 /proc/loadavg)"
# The bare tray draws its number with the system's fonts, which Qt reads all of first: its start and memory grow
# with the fonts installed (FONTCONFIG_FILE can name a smaller set for both programs).
echo "fonts fontconfig lists: $(fc-list 2>/dev/null | wc -l)"
awk -v r="$ms_empty" -v b="$ms_bare" 'BEGIN { printf "start to icon in tray, empty store:  redizado %6.1f ms, bare tray %6.1f ms, ratio %.2f (budget 1.10)\n", r, b, r / b }'
awk -v r="$ms_full" -v b="$ms_bare" -v n="$items" 'BEGIN { printf "start to icon in tray, %d items: redizado %6.1f ms, bare tray %6.1f ms, ratio %.2f (budget 1.10)\n", n, r, b, r / b }'
awk -v r="$ms_large" -v b="$ms_bare" -v n="$large" 'BEGIN { printf "start to icon in tray, %d items: redizado %6.1f ms, bare tray %6.1f ms, ratio %.2f (no budget)\n", n, r, b, r / b }'
awk -v r="$kib_empty" -v b="$kib_bare" 'BEGIN { printf "PSS after start, empty store:       redizado %6.1f MiB, bare tray %6.1f MiB, ratio %.2f (budget 1.10)\n", r / 1024, b / 1024, r / b }'
awk -v f="$kib_full" -v e="$kib_empty" -v n="$items" 'BEGIN { printf "PSS %d items add:                redizado %+6.1f MiB (budget +4.0 MiB)\n", n, (f - e) / 1024 }'
# In memory of its own, which other programs on the machine do not lower: what a count on the icon costs, and what
# the items cost beyond it.
awk -v f="$own_full" -v e="$own_empty" -v n="$items" 'BEGIN { printf "private memory, %d items add:     redizado %+6.1f MiB\n", n, (f - e) / 1024 }'
awk -v o="$own_one" -v e="$own_empty" 'BEGIN { printf "  of which a count on the icon:     redizado %+6.1f MiB\n", (o - e) / 1024 }'
awk -v f="$own_full" -v o="$own_one" -v n="$items" 'BEGIN { printf "  and the %d items themselves:   redizado %+6.1f MiB\n", n, (f - o) / 1024 }'
