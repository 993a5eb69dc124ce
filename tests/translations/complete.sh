#!/usr/bin/env bash
# Every translation is complete and current: lupdate run over today's sources
# on a copy of each .ts finds no text without a translation (new or changed in
# the sources) and none the sources no longer have. The English file holds
# only plural forms.
#   complete.sh LUPDATE SOURCES.lst TS...
set -euo pipefail
lupdate=${1:?usage: complete.sh LUPDATE SOURCES.lst TS...}
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  options=(-locations none)
  [[ "$(basename "$ts")" == *_en.ts ]] && options+=(-pluralonly)
  "$lupdate" "@$sources" "${options[@]}" -ts "$copy" >/dev/null 2>"$work/lupdate.err" || {
    echo "FAIL: lupdate on $ts: $(cat "$work/lupdate.err")"; status=1; continue; }
  open=$(python3 - "$copy" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        kind = message.find("translation").get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            print(f"  {kind}: {context.findtext('name')}: {message.findtext('source')!r}")
PY
)
  if [[ -n "$open" ]]; then
    echo "FAIL: $ts is not complete:"
    echo "$open"
    status=1
  fi
done
if [[ $status -ne 0 ]]; then
  echo "Run 'cmake --build build --target update_translations', translate the unfinished"
  echo "entries (Qt Linguist: linguist resources/translations/volarin-z_<lang>.ts) and commit."
else
  echo "OK: $# translations complete and current"
fi
exit $status
