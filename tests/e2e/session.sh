# Sourced by the end-to-end sessions once $display and $shots are set: a private configuration and runtime
# folder, the store's path, and the helpers every session uses.
mkdir -p "$shots"
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/run DISPLAY=$display
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
# No session bus: neither the caller's nor one started on demand with the machine's services, which could take
# the tray icon away from the panel under test.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/no-bus
store=$config/redizado/defaults.plist

log() { echo "e2e: $*"; }
fail() { log "FAIL: $*"; [ -f "$config/redizado.log" ] && sed 's/^/  program: /' "$config/redizado.log"; exit 1; }
# Waits up to 10 s for a command to succeed.
until_true() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
