#!/usr/bin/env bash
# The panel used with Debian's orca screen reader, and what orca says checked key by key: a private session bus
# with the accessibility bus on it, speech-dispatcher playing into ALSA's null device (no sound card needed), orca
# writing each utterance to a log through orca-speech-log.py, and orca-steps.py pressing the keys. The transcript,
# and what speech-dispatcher was handed, are left in the screenshot folder. Skipped (exit 77) when orca or
# speech-dispatcher is not installed or cannot start. Usage: orca-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:93
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
module=/usr/lib/speech-dispatcher-modules/sd_generic
. "$here/checks.sh"
require_installed Xvfb openbox tint2 xdotool dbus-daemon gdbus "$launcher" "$python" orca speech-dispatcher "$module"
# orca refuses to start beside another of the same user; it is not ours to replace.
pgrep -u "$(id -u)" -x orca >/dev/null && { log "another orca runs for this user; skipped"; exit 77; }
. "$here/session.sh"
. "$here/checks.sh"
. "$here/accessibility-bus.sh"
# The settings of orca, speech-dispatcher and ALSA are read from the private home; no dconf behind GSettings.
export HOME=$config XDG_CACHE_HOME=$config/cache XDG_DATA_HOME=$config/data GSETTINGS_BACKEND=memory
# What orca says, in the words the checks expect.
export LC_ALL=C.UTF-8
program_log=$config/redizado.log
spoken=$config/spoken.txt
heard=$config/heard.txt
patience=15

pids=()
cleanup() {
    stop_pids
    # orca may sit out a TERM in a call to the bus that went away; it is ours, so it goes.
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
finish() {
    cp "$spoken" "$shots/orca-spoken.txt" 2>/dev/null
    cp "$heard" "$shots/speech-dispatcher-heard.txt" 2>/dev/null
    finish_with program="$program_log" orca="$config/orca.log" speechd="$config/speechd.log"
}
skip() { log "$1; skipped"; tail -n 20 "$2" 2>/dev/null | sed 's/^/  /'; exit 77; }
"$here/virtual-desktop.sh" start "$display" >/dev/null || { log "FAIL: no virtual desktop on $display"; exit 1; }

start_accessibility_bus
[ "$failed" = 0 ] || finish

# speech-dispatcher with one output module, the generic one, whose "synthesizer" appends the text to a file; its
# sound goes to ALSA's null device. Started here, on a socket of the session's own, rather than spawned by orca.
mkdir -p "$config/speechd/modules"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cat >"$config/speechd/speechd.conf" <<EOF
LogLevel 3
AudioOutputMethod "alsa"
AddModule "heard" "sd_generic" "heard.conf"
DefaultModule heard
EOF
cat >"$config/speechd/modules/heard.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$heard"
AddVoice "en" "male1" "en"
EOF
export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
speech-dispatcher --run-single --timeout 0 --config-dir "$config/speechd" --socket-path "$XDG_RUNTIME_DIR/speechd.sock" \
    --log-dir "$config" >"$config/speechd.log" 2>&1 &
pids+=($!)
until_true test -S "$XDG_RUNTIME_DIR/speechd.sock" || skip "speech-dispatcher did not start" "$config/speechd.log"

# orca as a user who wants to hear where they are in a list (position speaking, off by default) and no echo of
# the keys typed; no braille display.
mkdir -p "$config/orca"
cat >"$config/orca/user-settings.conf" <<EOF
{"general": {"enableKeyEcho": false, "enablePositionSpeaking": true, "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
EOF
"$python" "$here/orca-speech-log.py" "$spoken" --user-prefs "$config/orca" --disable=braille,braille-monitor \
    >"$config/orca.log" 2>&1 &
pids+=($!)
orca_on() { grep -q "SPEECH OUTPUT: 'Screen reader on" "$spoken"; }
until_true orca_on || skip "orca did not start" "$config/orca.log"
check "speech-dispatcher is handed what orca speaks" until_true grep -q "Screen reader on" "$heard"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" >>"$program_log" 2>&1 &
pids+=($!)
tray_icon() { xdotool search --classname '^redizado$' >/dev/null 2>&1; }
check "the program started with its tray icon" until_true tray_icon
[ "$failed" = 0 ] || finish

transcript=$shots/orca-transcript.txt
"$python" "$here/orca-steps.py" --program "$program" --speech "$spoken" --transcript "$transcript" | sed 's/^/  /'
steps_status=${PIPESTATUS[0]}
check "orca says what a person must hear, known failures aside (transcript: $transcript)" test "$steps_status" = 0
"$here/virtual-desktop.sh" screenshot "$shots/orca-after.png" "$display"
finish
