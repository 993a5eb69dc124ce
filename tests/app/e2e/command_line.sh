#!/usr/bin/env bash
# The real program started the way a terminal or a file manager's "Open With"
# starts it: the folders named are listed as a drop of them would list them,
# and each path that is not a folder is named on standard error. The window is
# read through its accessibility tree, as a screen reader reads it.
set -euo pipefail
program=${1:?usage: command_line.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/a11y_session.sh"
shots=${VOLARIN_BUILD_DIR:-.}/e2e-command-line
mkdir -p "$shots"
work=$(mktemp -d /tmp/volarin-e2e-XXXXXX)
pid=
stop() {
  [[ -n "$pid" ]] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  pid=
}
cleanup() { stop; cleanup_a11y_session; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }

latin1=$(printf 'f\xeate')  # a folder name that is not UTF-8
mkdir -p "$work/my photos" "$work/$latin1" "$work/home" "$work/cache"
touch "$work/my photos/a1.jpg" "$work/my photos/a2.jpg" "$work/my photos/notes.txt"
touch "$work/$latin1/b1.jpg" "$work/$latin1/B2.jpg"

start() { # arguments: started in $work, standard error kept
  (cd "$work" && HOME="$work/home" XDG_CACHE_HOME="$work/cache" exec "$program" "$@") 2>"$work/stderr" & pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name '^Volarin Z 1\.0$' >/dev/null || fail "no main window"
}
ours() { grep -c '^volarin-z: ' "$work/stderr" || true; }

# Two folders, the first relative to the current folder.
start "my photos" "$work/$latin1"
tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 4) || fail "the folders were not listed"
sleep 0.5
import -window root "$shots/1-two-folders.png"
expected="row 1 'B2.jpg' checked
row 2 'b1.jpg' checked
row 3 'a2.jpg' checked
row 4 'a1.jpg' checked"
[[ "$(grep '^row ' <<<"$tree")" == "$expected" ]] || fail "rows are:"$'\n'"$tree"
grep -qx "push button 'Output' enabled" <<<"$tree" || fail "Output is not enabled"
grep -qx "push button 'Clear' enabled" <<<"$tree" || fail "Clear is not enabled"
[[ "$(grep -c '^window ' <<<"$tree")" == 1 ]] || fail "a second window (a message?) is open:"$'\n'"$tree"
[[ "$(ours)" == 0 ]] || fail "unexpected complaints: $(cat "$work/stderr")"
stop

# A file and a path that is not there: one line each, and no rows.
start "my photos/notes.txt" "$work/missing"
for _ in $(seq 1 100); do [[ "$(ours)" -ge 2 ]] && break; sleep 0.2; done
tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 0) || fail "no accessible window"
import -window root "$shots/2-not-folders.png"
grep -qx "volarin-z: \"$work/my photos/notes.txt\" is not a folder." "$work/stderr" \
  || fail "the file is not named: $(cat "$work/stderr")"
grep -qx "volarin-z: \"$work/missing\" is not a folder: No such file or directory." "$work/stderr" \
  || fail "the missing path is not named: $(cat "$work/stderr")"
[[ "$(ours)" == 2 ]] || fail "not one line each: $(cat "$work/stderr")"
! grep -q '^row ' <<<"$tree" || fail "rows listed:"$'\n'"$tree"
grep -qx "push button 'Output' disabled" <<<"$tree" || fail "Output is enabled"
[[ "$(grep -c '^window ' <<<"$tree")" == 1 ]] || fail "a second window (a message?) is open"
echo "OK: folder arguments listed as a drop, other paths named on standard error; screenshots in $shots"
