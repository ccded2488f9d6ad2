#!/usr/bin/env bash
# The folders are the layers: configures the tree afresh, asks CMake for the graph of its targets, and fails on any
# link from a layer to one above it, or across to another platform service.
# Usage: check-layers.sh SOURCE_FOLDER
set -euo pipefail
source_folder=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source_folder" -B "$work" -G Ninja --graphviz="$work/targets.dot" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; exit 1; }

# Bottom to top. A service's implementations (redizado_tray_x11) share its layer and may link the service.
rank() {
    case $1 in
        redizado_common) echo 0 ;;
        # The helpers several services share, and what the small command loads: its parser and the client.
        redizado_x11 | redizado_portal | redizado_preferences* | redizado_command_line | redizado_instance_client) echo 1 ;;
        redizado_login_items* | redizado_hotkey* | redizado_workspace* | redizado_process* | redizado_tray* | \
            redizado_widgets* | redizado_secrets*) echo 2 ;;
        redizado_store) echo 3 ;;
        redizado_shortcut* | redizado_vtodo | redizado_caldav) echo 4 ;;
        redizado_window | redizado_sync) echo 5 ;;
        redizado_panel | redizado_cli) echo 6 ;;
        # An item command done here, which the program and the item commands' own library both run.
        redizado_shell | redizado_cli_here) echo 7 ;;
        redizado_program | redizado_items_module) echo 8 ;;
        # The command people type, which loads the program when it is more than a command for the running copy.
        redizado) echo 9 ;;
        *) echo - ;;
    esac
}
service() { sed -E 's/_(x11|portal|gnome|sni)$//' <<<"$1"; }

declare -A label
while read -r node name; do label[$node]=$name; done < <(sed -nE 's/^ *"(node[0-9]+)" \[ label = "([^"]+)".*/\1 \2/p' "$work/targets.dot")
wrong=0
checked=0
while read -r from to; do
    a=${label[$from]} b=${label[$to]}
    ra=$(rank "$a") rb=$(rank "$b")
    [ "$ra" = - ] || [ "$rb" = - ] && continue
    checked=$((checked + 1))
    if [ "$rb" -gt "$ra" ] || { [ "$rb" = "$ra" ] && [ "$(service "$a")" != "$(service "$b")" ] &&
        [ "$(service "$b")" != "${a%_widgets}" ]; }; then
        echo "layers: $a links $b, which is not below it" >&2
        wrong=1
    fi
done < <(sed -nE 's/^ *"(node[0-9]+)" -> "(node[0-9]+)".*/\1 \2/p' "$work/targets.dot")
[ "$checked" -gt 20 ] || { echo "layers: only $checked links among the program's targets; is the graph read right?" >&2; exit 1; }
[ "$wrong" = 0 ] && echo "layers: $checked links, each to a layer below"
exit "$wrong"
