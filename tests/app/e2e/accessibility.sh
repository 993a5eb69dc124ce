#!/usr/bin/env bash
# What a screen reader finds in the real program with the accessibility bus
# on: the main window is a frame, the Output window a dialog, and "Online
# Help" a link whose action opens the help page in the browser.
set -euo pipefail
program=${1:?usage: accessibility.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/a11y_session.sh"
shots=${VOLARIN_BUILD_DIR:-.}/e2e-accessibility
mkdir -p "$shots"
work=$(mktemp -d /tmp/volarin-e2e-XXXXXX)
pid=
cleanup() {
  [[ -n "$pid" ]] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  cleanup_a11y_session
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }

# The desktop's opener, replaced by one that writes down what it is given.
mkdir -p "$work/bin" "$work/photos" "$work/home" "$work/cache"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened"\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
touch "$work/photos/one.jpg"

PATH="$work/bin:$PATH" HOME="$work/home" XDG_CACHE_HOME="$work/cache" "$program" "$work/photos" & pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Volarin Z 1\.0$' >/dev/null || fail "no main window"
tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 1) || fail "no accessible window"
grep -qx "window frame 'Volarin Z 1.0'" <<<"$tree" || fail "the main window is not a frame:"$'\n'"$tree"
grep -qx "link 'Online Help' enabled" <<<"$tree" || fail "Online Help is not a link:"$'\n'"$tree"
grep -q "^actions 'Online Help' ." <<<"$tree" || fail "the link has no action"

/usr/bin/python3 "$here/a11y_press.py" "$pid" link "Online Help" || fail "the link's action failed"
for _ in $(seq 1 100); do [[ -s "$work/opened" ]] && break; sleep 0.2; done
grep -qx 'file:///.*/help/index\.html' "$work/opened" 2>/dev/null || fail "the help page was not opened"

where=$(/usr/bin/python3 "$here/a11y_locate.py" "$pid" "push button" "Output") || fail "no Output button"
# shellcheck disable=SC2086
xdotool mousemove $where sleep 0.2 click 1
timeout 20 xdotool search --sync --onlyvisible --name '^Output$' >/dev/null || fail "no Output window"
sleep 0.5
import -window root "$shots/output-dialog.png"
tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 1) || fail "no accessible window"
grep -qx "window dialog 'Output'" <<<"$tree" || fail "the Output window is not a dialog:"$'\n'"$tree"
echo "OK: frame, dialog and help link as a screen reader finds them; screenshots in $shots"
