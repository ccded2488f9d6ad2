#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The autostart entry passes the desktop's validator for program paths that need quoting in Exec: spaces, quotes,
# a dollar sign, a backslash, a percent sign, letters outside ASCII.
# Usage: autostart-entry.sh WRITE_LOGIN_ITEM
set -eu
writer=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
status=0
for path in '/usr/bin/redizado' '/opt/My Apps/redizado' '/home/a "b"/redizado' '/home/$HOME/redizado' \
    '/home/back\slash/redizado' '/home/100%/redizado' '/home/zoë/ünïcode/redizado' "/home/it's/redizado"; do
    rm -rf "$folder/autostart"
    "$writer" "$folder/autostart" "$path"
    if desktop-file-validate "$folder/autostart/redizado.desktop"; then
        echo "ok: $path"
    else
        echo "FAIL: the autostart entry for $path:"
        cat "$folder/autostart/redizado.desktop"
        status=1
    fi
done
exit $status
