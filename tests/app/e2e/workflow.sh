#!/usr/bin/env bash
# The whole job of the real program, driven from outside like a user: Browse
# with the path typed into the real folder picker, Output, a name typed into
# the dialog, its OK, the output folder typed into the picker, Start; then the
# archive is checked with unzip -t and the window is closed, which must delete
# the staging folder; an archive of that name already there is replaced only
# after the question says so. Each control is found in the accessibility tree by its
# role and name, as a screen reader finds it, and clicked where it shows.
# Screenshots of each stage go into the build folder.
set -euo pipefail
program=${1:?usage: workflow.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)

source "$here/a11y_session.sh"
shots=${VOLARIN_BUILD_DIR:-.}/e2e-workflow
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

mkdir -p "$work/photos" "$work/out" "$work/home" "$work/cache"
head -c 400000 /dev/urandom > "$work/photos/one.jpg"
head -c 1500000 /dev/urandom > "$work/photos/two.jpg"
echo "not a photo" > "$work/photos/notes.txt"

# The per-user folders of a throw-away user.
HOME="$work/home" XDG_CACHE_HOME="$work/cache" "$program" & pid=$!

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Volarin Z 1\.0$' | head -n1)
[[ -n "$main" ]] || fail "no main window"
sleep 1

click() { # role name: the control's centre as the accessibility tree gives it
  local where
  where=$(/usr/bin/python3 "$here/a11y_locate.py" "$pid" "$1" "$2") || fail "no $1 '$2'"
  # shellcheck disable=SC2086
  xdotool mousemove $where sleep 0.2 click 1
  sleep 0.5
}
pick_folder() { # path: types it into the real folder picker and accepts
  local picker
  picker=$(timeout 20 xdotool search --sync --onlyvisible --name '^Volarin Z - Please select a folder\.$' | head -n1)
  [[ -n "$picker" ]] || fail "no folder picker"
  sleep 1
  xdotool windowfocus --sync "$picker"
  xdotool key ctrl+a
  xdotool type --delay 5 "$1"
  sleep 0.3
  import -window root "$shots/$2.png"
  xdotool key Return
  sleep 1
}

click "push button" "Browse..."
pick_folder "$work/photos" 1-picker-source
import -window root "$shots/2-scanned.png"

click "push button" "Output"
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Output$' | head -n1)
[[ -n "$dialog" ]] || fail "no Output dialog"
sleep 0.5
xdotool windowfocus --sync "$dialog"
xdotool type --delay 5 "e2e photos"
sleep 0.3
import -window root "$shots/3-output-dialog.png"
# An archive of that name is there already: the question's default (Enter)
# goes back to the dialog and changes nothing; Replace goes ahead.
archive="$work/out/e2e photos.zip"
staging="$work/cache/Volarin/Volarin Z/staging"
printf 'old archive' > "$archive"
answer_question() { # key shot
  local box
  box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Volarin Z$' | head -n1)
  [[ -n "$box" ]] || fail "no question about replacing the archive"
  sleep 0.5
  import -window root "$shots/$2.png"
  xdotool windowfocus --sync "$box" key "$1"
  sleep 1
}
click "push button" "OK"
pick_folder "$work/out" 4-picker-output
answer_question Return 5-replace-question
[[ "$(cat "$archive")" == "old archive" && ! -e "$staging" ]] || fail "the answer Cancel changed something on disk"
xdotool search --onlyvisible --name '^Output$' >/dev/null || fail "Cancel did not go back to the Output dialog"
click "push button" "OK"
pick_folder "$work/out" 6-picker-output
answer_question alt+r 7-replace-question-again

# Nothing is written to the cache before Start.
[[ ! -e "$staging" ]] || fail "the cache was written to before Start"

click "push button" "Start"
# The old archive keeps its name until the new one is finished.
for _ in $(seq 1 100); do [[ "$(head -c 11 "$archive")" != "old archive" ]] && break; sleep 0.2; done
[[ "$(head -c 11 "$archive")" != "old archive" ]] || fail "the archive was not replaced"
sleep 0.5
import -window root "$shots/8-complete.png"

unzip -t "$archive" || fail "unzip -t reports errors"
listing=$(unzip -Z1 "$archive" | sort | tr '\n' ' ')
[[ "$listing" == "one.jpg two.jpg " ]] || fail "entries are '$listing'"
cmp <(unzip -p "$archive" two.jpg) "$work/photos/two.jpg" || fail "two.jpg differs"

# Closing the window deletes the run's staging folder and ends the program.
python3 "$here/close_window.py" "$main"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window closed"
wait "$pid" || true
pid=
[[ -z "$(ls -A "$staging" 2>/dev/null)" ]] || fail "staging folder left behind: $(ls -A "$staging")"
[[ -f "$archive" ]] || fail "archive gone"
echo "OK: scan, name, zip and close through the real windows; screenshots in $shots"
