#!/bin/sh
# Brings translations/*.ts up to date with the texts in the sources: new texts come in unfinished, texts gone
# from the sources go. The English file holds the plural forms alone. With --into DIR, updates copies in DIR
# and leaves the originals alone (the test that finds a stale file compares the two).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
into=$root/translations
if [ "${1:-}" = --into ]; then
  into=$2
  cp "$root"/translations/redizado_*.ts "$into"/
fi
cd "$root"
sources="main.cpp cli panel platform resources shell shortcut store sync window"
for ts in "$into"/redizado_*.ts; do
  language=$(basename "$ts" .ts | sed 's/^redizado_//')
  only=
  [ "$language" = en ] && only=-pluralonly
  # Without places, a moved line changes no file.
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui $only -target-language "$language" \
    $sources -ts "$ts"
done
