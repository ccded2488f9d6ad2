# Checks counted for the end-to-end scripts on real desktops: each says ok or FAIL, and the script ends with the
# line "N passed, M failed". Source it; set patience (seconds, default 30) for until_true.
passed=0
failed=0
log() { echo "e2e: $*"; }
check() { # NAME COMMAND...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1)) && log "ok: $name"
    else
        failed=$((failed + 1)) && log "FAIL: $name"
    fi
}
# Ends the script as skipped (77, as ctest counts it) unless each program or file named is installed.
require_installed() {
    local need
    for need in "$@"; do
        command -v "$need" >/dev/null || [ -e "$need" ] || { log "$need is not installed; skipped"; exit 77; }
    done
}
# Polls a condition every 0.1 s until it holds or patience runs out.
until_true() {
    local tries=$((${patience:-30} * 10))
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# Stops the processes in $pids, newest first, and waits up to 5 s for each to go, so that the next run finds its
# display and buses free.
stop_pids() {
    local i p
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    for p in "${pids[@]}"; do for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done; done
}
# Ends the script with its tally; when a check failed, first the last lines of each log given as LABEL=FILE.
finish_with() {
    local named
    if [ "$failed" != 0 ]; then
        for named in "$@"; do
            [ -f "${named#*=}" ] && tail -n 60 "${named#*=}" | sed "s|^|  ${named%%=*}: |"
        done
    fi
    echo "$passed passed, $failed failed"
    exit $((failed > 0))
}

# Preferences with the shortcut on or off; Control+Option+J either way.
shortcut_preferences() { # true|false
    cat <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
  <key>loadKeyStatus</key><true/>
  <key>launchKeyTwo</key><true/>
  <key>shortcutKey</key><$1/>
  <key>shortcutKeyCodeKey</key><string>J</string>
  <key>shortcutModifierCodeKeyOne</key><string>⌃</string>
  <key>shortcutModifierCodeKeyTwo</key><string>⌥</string>
</dict>
</plist>
EOF
}
