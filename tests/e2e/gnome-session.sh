#!/usr/bin/env bash
# A headless GNOME Shell (Wayland, with XWayland and the AppIndicator tray extension) for manual and end-to-end
# checks. Run as root; the shell runs as an unprivileged user with its own runtime folder, home, session bus and a
# private stand-in for the system bus. Needs gnome-shell, gnome-shell-extension-appindicator and xwayland;
# gnome-settings-daemon for media-keys.
# Usage: gnome-session.sh start [NAME] | stop [NAME]
#        gnome-session.sh run NAME COMMAND...   runs COMMAND as the session's user, in its environment (WAYLAND_DISPLAY,
#                                               DISPLAY and XAUTHORITY of its XWayland, session bus)
#        gnome-session.sh eval NAME SCRIPT      evaluates SCRIPT in the shell, prints the result as JSON
#        gnome-session.sh screenshot NAME FILE
#        gnome-session.sh media-keys NAME        starts GNOME's media-keys daemon, which runs custom shortcuts
# The shell's own output goes to /tmp/redizado-gnome-NAME/gnome-shell.log.
set -euo pipefail
name=${2:-main}
state=/tmp/redizado-gnome-$name
user=${REDIZADO_GNOME_USER:-nobody}
group=$(id -gn "$user")
indicators=ubuntu-appindicators@ubuntu.com
# GNOME 43 lets org.gnome.Shell.Eval and .Screenshot in only in unsafe mode, which has no command-line switch.
unsafe=redizado-unsafe-mode@tests.local

# ${replace} is exec for the run subcommand: its process becomes COMMAND, so the caller's $! can stop it.
as_user() { ${replace:-} setpriv --reuid="$user" --regid="$group" --init-groups "$@"; }
# In the session's environment; session.env is written by the session once its bus is up, and by start.
run() {
    # shellcheck disable=SC2046 # one VAR=value a word
    as_user env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$state/home" XDG_RUNTIME_DIR="$state/run" \
        XDG_CONFIG_HOME="$state/home/.config" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland \
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$state/system-bus" $(cat "$state/session.env" 2>/dev/null) "$@"
}
shell_eval() {
    local out
    out=$(run gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1") || return 1
    case "$out" in "(true, "*) ;; *) echo "$out" >&2; return 1 ;; esac
    out=${out#"(true, '"}
    echo "${out%"')"}"
}
until_true() { for _ in $(seq "$1"); do "${@:2}" >/dev/null 2>&1 && return 0; sleep 0.5; done; return 1; }

bus_config() { # TYPE LISTEN SERVICEDIR
    cat <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>$1</type>
  <listen>$2</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$3</servicedir>
  <policy context="default">
    <allow user="*"/><allow own="*"/><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
  </policy>
</busconfig>
EOF
}

tray_ready() {
    [ "$(shell_eval "const e = imports.ui.main.extensionManager.lookup('$indicators'); e ? e.state : 0")" = 1 ]
}

start() {
    command -v gnome-shell >/dev/null || { echo "gnome-shell is not installed" >&2; exit 2; }
    rm -rf "$state"
    mkdir -p "$state/home/.local/share/gnome-shell/extensions/$unsafe" "$state/services" "$state/no-services" \
        "$state/run" "$state/shots"
    # The session bus starts only the settings writer; nothing else of the system's services.
    ln -s /usr/share/dbus-1/services/ca.desrt.dconf.service "$state/services/"
    bus_config session "unix:dir=$state/run" "$state/services" >"$state/session-bus.conf"
    bus_config system "unix:path=$state/system-bus" "$state/no-services" >"$state/system-bus.conf"
    cat >"$state/home/.local/share/gnome-shell/extensions/$unsafe/metadata.json" <<EOF
{"uuid": "$unsafe", "name": "Unsafe mode for tests", "description": "Lets test scripts use Eval and Screenshot.",
 "shell-version": ["43"]}
EOF
    cat >"$state/home/.local/share/gnome-shell/extensions/$unsafe/extension.js" <<'EOF'
function init() {
    return {
        enable() { global.context.unsafe_mode = true; },
        disable() { global.context.unsafe_mode = false; },
    };
}
EOF
    cat >"$state/session.sh" <<EOF
#!/bin/sh
echo "DBUS_SESSION_BUS_ADDRESS=\$DBUS_SESSION_BUS_ADDRESS" >"$state/session.env.new"
mv "$state/session.env.new" "$state/session.env"
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "['$indicators', '$unsafe']"
gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'
gsettings set org.gnome.desktop.session idle-delay 0
gsettings set org.gnome.desktop.screensaver lock-enabled false
gsettings set org.gnome.desktop.lockdown disable-lock-screen true
exec gnome-shell --headless --wayland --wayland-display wayland-gnome-$name --virtual-monitor 1440x900
EOF
    chmod 0755 "$state/session.sh"
    chown -R "$user:$group" "$state"
    chmod 0700 "$state/run"
    mkdir -p -m 1777 /tmp/.X11-unix

    as_user dbus-daemon --config-file="$state/system-bus.conf" --fork --print-pid=1 >"$state/system-bus.pid"
    # setsid: stop ends the whole session, bus and shell, by its process group.
    run setsid dbus-run-session --config-file="$state/session-bus.conf" "$state/session.sh" \
        >"$state/gnome-shell.log" 2>&1 &
    echo $! >"$state/session.pid"
    # Ready once the shell answers and the tray extension is enabled (state 1); the first start takes minutes.
    until_true 600 tray_ready || {
        echo "GNOME Shell did not come up; see $state/gnome-shell.log" >&2
        exit 1
    }
    # The XWayland display and its key, as the shell hands them to its own children.
    local x
    x=$(shell_eval "imports.gi.GLib.getenv('DISPLAY') + ' ' + imports.gi.GLib.getenv('XAUTHORITY')" | tr -d '"')
    echo "DISPLAY=${x%% *} XAUTHORITY=${x#* } WAYLAND_DISPLAY=wayland-gnome-$name" >>"$state/session.env"
    until_true 120 overview_hidden || {
        echo "GNOME Shell kept its overview open; see $state/gnome-shell.log" >&2
        exit 1
    }
    echo "$state"
}

# The shell opens its overview once it has started up; the overview would cover the windows under test and hold
# the keyboard. Hidden only after the start-up, or the shell opens it again.
overview_hidden() {
    [ "$(shell_eval "const Main = imports.ui.main, starting = Main.layoutManager._startingUp;
        if (!starting && Main.overview.visible && !Main.overview.animationInProgress)
            Main.overview.hide();
        !starting && !Main.overview.visible && Main.modalCount === 0")" = true ]
}

# The daemon grabs the custom shortcuts' keys through the shell once it owns its bus name.
media_keys() {
    run setsid /usr/libexec/gsd-media-keys >"$state/gsd-media-keys.log" 2>&1 &
    echo $! >"$state/media-keys.pid"
    until_true 120 run gdbus introspect --session --dest org.gnome.SettingsDaemon.MediaKeys \
        --object-path /org/gnome/SettingsDaemon/MediaKeys || {
        echo "gsd-media-keys did not come up; see $state/gsd-media-keys.log" >&2
        exit 1
    }
}

stop() {
    [ -f "$state/media-keys.pid" ] && kill -- -"$(cat "$state/media-keys.pid")" 2>/dev/null || true
    [ -f "$state/session.pid" ] && kill -- -"$(cat "$state/session.pid")" 2>/dev/null || true
    [ -f "$state/system-bus.pid" ] && kill "$(cat "$state/system-bus.pid")" 2>/dev/null || true
    rm -rf "$state"
}

screenshot() {
    local shot
    shot="$state/shots/$(date +%s%N).png"
    run gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$shot" >/dev/null
    cp "$shot" "$1"
}

case "${1:-}" in
    start) start ;;
    stop) stop ;;
    run) shift 2; replace=exec run "$@" ;;
    eval) shell_eval "$3" ;;
    screenshot) screenshot "$3" ;;
    media-keys) media_keys ;;
    *) sed -n '6,11p' "$0" >&2; exit 2 ;;
esac
