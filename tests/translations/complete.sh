#!/usr/bin/env bash
# Every translation is complete and current: lupdate run over today's sources
# on a copy of each .ts finds no text without a translation (new or changed in
# the sources) and none the sources no longer have (the English file holds
# only plural forms); the desktop entry's and AppStream metadata's .po files,
# merged with what the English files say today, and the manual page's, brought
# up to date by po4a, have no text left fuzzy, untranslated (the manual page
# translates only NAME and DESCRIPTION) or obsolete.
#   complete.sh LUPDATE SOURCES.lst RESOURCES TS...
set -euo pipefail
lupdate=${1:?usage: complete.sh LUPDATE SOURCES.lst RESOURCES TS...}
sources=$2
resources=$3
shift 3
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

# gettext: the desktop entry and the AppStream metadata.
mkdir -p "$work/desktop"
(cd "$resources/desktop" &&
  xgettext --from-code=UTF-8 --language=Desktop -k -kName -kGenericName -kComment -kKeywords --omit-header \
           -o "$work/desktop/template.pot" volarin-z.desktop &&
  xgettext --from-code=UTF-8 --omit-header -j -o "$work/desktop/template.pot" example.volarin.VolarinZ.metainfo.xml)
for po in "$resources"/desktop/po/*.po; do
  merged="$work/desktop/$(basename "$po")"
  msgmerge --quiet --no-fuzzy-matching -o "$merged" "$po" "$work/desktop/template.pot"
  stats=$(msgfmt --statistics -o /dev/null "$merged" 2>&1)
  if [[ "$stats" == *untranslated* || "$stats" == *fuzzy* ]] || grep -q '^#~' "$merged"; then
    echo "FAIL: $po is not complete: $stats$(grep -c '^#~ msgid' "$merged" | sed 's/^0$//; s/.\+/, & obsolete/')"
    status=1
  fi
done
# po4a: the manual page.
cp -r "$resources/man" "$work/man"
(cd "$work/man" && po4a --no-translations po4a.conf >/dev/null 2>&1) || { echo "FAIL: po4a could not update the manual page's translations"; status=1; }
for po in "$work"/man/po/*.po; do
  if awk 'NR > 1 && /^#, .*fuzzy/ {found=1} END {exit !found}' "$po" || grep -q '^#~' "$po"; then
    echo "FAIL: resources/man/po/$(basename "$po") has a fuzzy or obsolete entry (the English page changed)"
    status=1
  fi
done
if [[ $status -ne 0 ]]; then
  echo "Run 'cmake --build build --target update_translations', translate the unfinished"
  echo "entries (Qt Linguist: linguist resources/translations/volarin-z_<lang>.ts; any .po editor"
  echo "for resources/desktop/po and resources/man/po) and commit."
else
  echo "OK: $# Qt translations and the desktop, AppStream and manual page translations complete and current"
fi
exit $status
