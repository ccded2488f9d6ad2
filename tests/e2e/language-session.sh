#!/usr/bin/env bash
# The program in each language it has a translation for, started as a user of that language starts it (LANG set,
# LANGUAGE not): the panel's texts, read over the accessibility bus with its settings pane shut and open, are the
# .ts file's translations where it has them and English where it has none (a text the translators have not done
# yet shows as written). In Russian, the tray's tool tip and the panel's spoken name take the plural form the
# count asks for, for 1, 2, 5 and 21 items. Screenshots are left in the folder given. Skipped (exit 77) without the
# accessibility bus or its Python client. Usage: language-session.sh PROGRAM [SCREENSHOT_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-$(mktemp -d)}
display=:94
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
sources=$here/../../translations
built=$(dirname "$program")/translations
. "$here/checks.sh"
require_installed Xvfb openbox xdotool dbus-daemon gdbus "$launcher" "$python"
"$python" -c 'import pyatspi' 2>/dev/null || { log "python3-pyatspi is not installed; skipped"; exit 77; }
. "$here/session.sh"
. "$here/checks.sh"
. "$here/accessibility-bus.sh"
export HOME=$config XDG_CACHE_HOME=$config/cache XDG_DATA_HOME=$config/data
program_log=$config/redizado.log
texts() { "$python" "$here/language-texts.py" "$@"; }

pids=()
cleanup() {
    stop_pids
    "$here/virtual-desktop.sh" stop "$display" >/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
finish() { finish_with program="$program_log"; }
"$here/virtual-desktop.sh" start "$display" no-tray >/dev/null || { log "FAIL: no virtual desktop on $display"; exit 1; }
start_accessibility_bus
# A tray that hosts StatusNotifierItems, whose tool tip is a property to read.
"$python" "$here/status-notifier-watcher.py" >"$config/items" 2>>"$program_log" &
pids+=($!)
[ "$failed" = 0 ] || finish

# The program's item, the newest registered: "bus-name path".
item() { tail -1 "$config/items"; }
tool_tip() { # the tool tip's title
    local where
    read -r -a where <<<"$(item)"
    gdbus call --session -d "${where[0]}" -o "${where[1]}" -m org.freedesktop.DBus.Properties.Get \
        org.kde.StatusNotifierItem ToolTip | sed -n "s/.*\], '\(.*\)', '.*')>,)$/\1/p"
}
items_more_than() { [ "$(wc -l <"$config/items")" -gt "$1" ]; }
tool_tip_counts() { tool_tip | grep -qw "$1"; }
panel_window() { xdotool search --onlyvisible --classname '^redizado$' 2>/dev/null | head -1; }
panel_shown() { [ -n "$(panel_window)" ]; }
panel_hidden() { [ -z "$(panel_window)" ]; }

# One run of the program in a language: its list and its settings read and photographed, then it quits.
run_in() { # LANGUAGE
    local language=$1 registered
    registered=$(wc -l <"$config/items")
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$language.UTF-8" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        QT_ACCESSIBILITY=1 "$program" >>"$program_log" 2>&1 &
    program_pid=$!
    check "$language: the program's item is in the tray" until_true items_more_than "$registered"
    "$program" >>"$program_log" 2>&1
    check "$language: the panel opened" until_true panel_shown
    SECONDS=0; check "$language: the list read" texts read "$config/$language-list.json"
    "$here/virtual-desktop.sh" screenshot "$shots/$language-list.png" "$display"
    xdotool key ctrl+comma
    check "$language: the settings read" texts read "$config/$language-settings.json" --after "$config/$language-list.json"; log "read in ${SECONDS}s"
    "$here/virtual-desktop.sh" screenshot "$shots/$language-settings.png" "$display"
}
quit() {
    kill "$program_pid"
    check "the program quit" until_true not_running
}
not_running() { ! kill -0 "$program_pid" 2>/dev/null; }
compare() { # LANGUAGE STATE
    texts compare "$config/en-$2.json" "$config/$1-$2.json" "$sources/redizado_$1.ts" "$sources/redizado_en.ts" 1 \
        | sed "s/^/  $1 $2: /"
    return "${PIPESTATUS[0]}"
}

# The count beside the icon (and so in its tool tip) and the shortcut's settings shown; one item to do in every
# language.
mkdir -p "$(dirname "$store")"
shortcut_preferences true | sed 's|^<dict>$|<dict><key>ShowToDoCount</key><true/>|' >"$store"
"$program" add "Pay rent" >>"$program_log" 2>&1
run_in en
quit
# Russian last: its counts add items.
languages=$(ls "$built" | sed -n 's/^redizado_\(.*\)\.qm$/\1/p' | grep -vx 'en\|ru')
[ -f "$built/redizado_ru.qm" ] && languages="$languages ru"
for language in $languages; do
    run_in "$language"
    check "$language: the list's texts are the translation's" compare "$language" list
    check "$language: the settings' texts are the translation's" compare "$language" settings
    [ "$language" = ru ] || quit
done
# The tool tip shows while the panel is hidden; the spoken name is the panel's.
if [ -f "$built/redizado_ru.qm" ]; then
    ts=$sources/redizado_ru.ts
    en=$sources/redizado_en.ts
    "$program" toggle >>"$program_log" 2>&1
    check "ru: the panel hid" until_true panel_hidden
    count=1
    for n in 1 2 5 21; do
        while [ "$count" -lt "$n" ]; do
            count=$((count + 1))
            "$program" add "item $count" >>"$program_log" 2>&1
        done
        check "ru: $n to do in the tool tip" until_true tool_tip_counts "$n"
        check "ru: the tool tip's plural form for $n" texts plural "$(tool_tip)" "$ts" "$en" "$n"
        "$program" toggle >>"$program_log" 2>&1
        check "ru: the panel shows for $n" until_true panel_shown
        check "ru: the panel read for $n" texts read "$config/ru-$n.json"
        spoken=$("$python" -c 'import json, sys; print(json.load(open(sys.argv[1]))[0][1])' "$config/ru-$n.json")
        check "ru: the panel's spoken name's plural form for $n" texts plural "$spoken" "$ts" "$en" "$n"
        "$program" toggle >>"$program_log" 2>&1
        check "ru: the panel hid for $n" until_true panel_hidden
    done
    quit
fi
finish
