#!/usr/bin/env bash
# Every text of the editor and its dialogs has an English translation: the
# translation file, refreshed from the sources into a copy, holds no
# unfinished, empty or vanished entry. `make translations` refreshes the file
# itself; new texts then come in unfinished.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$root/translations/vorlune_en.ts" "$copy"
"$lupdate" -silent -I "$root/src" "$root/src/app" "$root/src/dialogs" -ts "$copy" -locations none
messages=$(grep -c '<message>' "$copy")
pattern='type="(unfinished|vanished|obsolete)"|<translation( type="[a-z]+")?(></translation>|/>)'
untranslated=$(grep -cE "$pattern" "$copy" || true)
if [ "$untranslated" -ne 0 ] || [ "$messages" -eq 0 ]; then
  echo "$untranslated texts without an English translation or no longer in the sources:" >&2
  grep -B3 -E "$pattern" "$copy" | grep -v '</\?message>' >&2
  exit 1
fi
echo "all $messages texts translated"
