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
