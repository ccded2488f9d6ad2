#!/usr/bin/env bash
# Start to tray icon and idle memory of the program beside a bare Qt tray program, on a virtual desktop.
# Usage: tray-startup.sh PROGRAM BARE_TRAY_PROGRAM [RUNS]
set -euo pipefail
program=$1
bare=$2
runs=${3:-5}
desktop=$(cd "$(dirname "$0")/../tests/e2e" && pwd)/virtual-desktop.sh
display=:91
"$desktop" start "$display" >/dev/null
config=$(mktemp -d)
trap '"$desktop" stop "$display" >/dev/null; rm -rf "$config"' EXIT
# A runtime folder of its own: a copy of the program already running for the user would take the start over.
export DISPLAY=$display XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/run
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

# Milliseconds from the start until a tray-sized window of the class is mapped, then resident memory in KiB
# once idle.
measure() {
    local class=$1; shift
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --classname "^$class\$" 2>/dev/null | while read -r w; do
        xwininfo -id "$w" | grep -q 'Width: 2[0-9]$' && echo "$w"; done | grep -q .; do
        sleep 0.01
    done
    end=$(date +%s%N)
    sleep 2
    echo "$(( (end - start) / 1000000 )) $(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
    kill "$pid"; wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for name in redizado baretray; do
    : >"$config/$name.txt"
    for _ in $(seq "$runs"); do
        if [ "$name" = redizado ]; then measure redizado "$program" >>"$config/$name.txt"
        else measure baretray "$bare" >>"$config/$name.txt"; fi
    done
done
read -r ms_r kb_r < <(paste <(cut -d' ' -f1 "$config/redizado.txt" | median) <(cut -d' ' -f2 "$config/redizado.txt" | median))
read -r ms_b kb_b < <(paste <(cut -d' ' -f1 "$config/baretray.txt" | median) <(cut -d' ' -f2 "$config/baretray.txt" | median))
awk -v a="$ms_r" -v b="$ms_b" 'BEGIN { printf "start to tray icon: redizado %d ms, bare tray %d ms, ratio %.2f (budget 1.30)\n", a, b, a / b }'
awk -v a="$kb_r" -v b="$kb_b" 'BEGIN { printf "idle memory:        redizado %d KiB, bare tray %d KiB, ratio %.2f (budget 1.30)\n", a, b, a / b }'
