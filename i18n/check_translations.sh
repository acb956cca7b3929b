#!/bin/sh
# Fails when a translation misses a text the program shows: one lupdate would
# add from the sources, or one left unfinished or empty.
# Usage: check_translations.sh LUPDATE SOURCE-LIST TS-FILE...
set -eu
lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  # Its warnings are about include paths it is not given; the texts it finds are the same.
  "$lupdate" -silent -locations none -no-obsolete @"$sources" -ts "$copy" 2>/dev/null
  if ! cmp -s "$ts" "$copy"; then
    echo "$ts: not up to date with the sources (cmake --build ... --target update_translations):"
    diff -u "$ts" "$copy" || true
    status=1
  fi
  if grep -n -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' \
       -e '<translation></translation>' -e '<translation/>' "$copy"; then
    echo "$ts: the entries above have no finished translation"
    status=1
  fi
done
exit $status
