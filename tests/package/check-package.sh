#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the package `make deb` built: lintian, the desktop's and AppStream's validators, the files it installs,
# the manual page, and the program taken out of it.
# Usage: check-package.sh FOLDER (where dpkg-buildpackage left the .changes and the packages)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$1
changes=$(ls "$folder"/redizado_*.changes)
deb=$(ls "$folder"/redizado_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "package: FAIL: $*"; failed=1; }
ok() { echo "package: ok: $*"; }

# Every tag fails, informational and pedantic ones too; those that stay are overridden in debian/ with the reason.
if lintian --info --display-info --pedantic --fail-on error,warning,info,pedantic "$changes"; then
    ok "lintian"
else
    fail "lintian"
fi

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's#^\./#/#' | sort >"$work/files"
if diff -u "$here/expected-files.txt" "$work/files"; then ok "the files installed"; else fail "the files installed"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for runtime in qt6-qpa-plugins qt6-wayland; do
    grep -Eq "(^|, )$runtime(,|$| )" <<<"$depends" || fail "Depends lacks $runtime: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.redizado.Redizado.desktop" && ok "desktop entry" ||
    fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.redizado.Redizado.metainfo.xml" && ok "AppStream" ||
    fail "AppStream"

for icon in "$root"/usr/share/icons/hicolor/*x*/apps/redizado.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size"
done

program="$root/usr/bin/redizado"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
version=$(dpkg-deb -f "$deb" Version)
[ "$("$program" --version)" = "redizado ${version%%-*}" ] && ok "--version" ||
    fail "--version says \"$("$program" --version)\", the package is $version"
LC_ALL=C.UTF-8 "$program" --help >"$work/help" && grep -q '^Usage: redizado' "$work/help" && ok "--help" || fail "--help"
# The help in the user's language, from the translations the package installed.
LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 "$program" --help >"$work/help.de" && ! cmp -s "$work/help" "$work/help.de" &&
    ok "--help in German" || fail "--help in German is the English text"
"$program" add buy milk && [ "$("$program" count)" = 1 ] && ok "add and count" || fail "add and count"

manual="$root/usr/share/man/man1/redizado.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >"$work/manual")
[ -z "$warnings" ] && ok "man --warnings" || fail "man --warnings: $warnings"
lexgrog "$manual" >/dev/null && ok "lexgrog" || fail "lexgrog finds no NAME line"
# The manual page is made from --help at build time; one that went stale would miss an option.
for option in $(grep -oE -- '--[a-z][a-z-]*' "$work/help" | sort -u); do
    grep -q -- "$option" "$work/manual" || fail "the manual page does not mention $option"
done

exit $failed
