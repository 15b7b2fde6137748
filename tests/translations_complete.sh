#!/bin/sh
# Every text of the window and of start-up has a finished Japanese translation: lupdate over the
# sources finds nothing new and nothing gone, and no translation is left unfinished.
#   translations_complete.sh LUPDATE TS_FILE SOURCE_FOLDER
set -eu
lupdate=$1
ts=$2
sources=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$sources" -ts "$work/check.ts"
if ! cmp -s "$ts" "$work/check.ts"; then
  echo "$ts is not up to date with the sources (cmake --build BUILD --target update_translations):"
  diff -u "$ts" "$work/check.ts" || true
  exit 1
fi
if grep -n 'type="unfinished"' "$ts"; then
  echo "unfinished translations in $ts"
  exit 1
fi
echo "$(grep -c '<source>' "$ts") texts, all translated"
