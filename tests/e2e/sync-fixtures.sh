# What the sync sessions share, sourced after session.sh.

# A session bus of the test's own that starts none of the machine's services, with an unlocked gnome-keyring on it
# for the program's password. Sets $bus and $keyring (their pids).
start_keyring_bus() {
    mkdir -p "$config/bus/services"
    cp "$here/../session-bus.conf" "$config/bus/bus.conf"
    dbus-daemon --config-file="$config/bus/bus.conf" --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork \
        2>"$config/bus/log" &
    bus=$!
    until_true test -S "$XDG_RUNTIME_DIR/bus" || fail "no session bus"
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
    echo -n "keyring password" | HOME=$config XDG_DATA_HOME=$config gnome-keyring-daemon --foreground --unlock \
        --components=secrets >"$config/keyring.log" 2>&1 &
    keyring=$!
    until_true has_keyring || fail "the keyring did not come up"
}
has_keyring() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.secrets | grep -q true; }

# A free port on 127.0.0.1 for the calendar server, in $port; whether something answers there.
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
answering() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

# radicale's configuration in FOLDER: one user, alice:secret, storage under FOLDER/storage, on $port.
write_radicale_config() {
    echo "alice:secret" >"$1/users"
    cat >"$1/config" <<CONFIG
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $1/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $1/storage
[rights]
type = owner_only
CONFIG
}
