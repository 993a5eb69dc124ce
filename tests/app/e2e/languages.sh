#!/usr/bin/env bash
# The real program in each shipped language, read through its accessibility
# tree as a screen reader reads it: the main window's controls named in the
# language of LANGUAGE (as its .ts file has them), Arabic laid out right to
# left, the proposed archive name worded in the language, and the message of a
# run that leaves two hidden files out in the language's plural form for two.
# Screenshots of each language at 1x and 2x go into the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/a11y_session.sh"
program=${1:?usage: languages.sh PROGRAM TS_FOLDER [LANGUAGE...]}
ts_folder=${2:?usage: languages.sh PROGRAM TS_FOLDER [LANGUAGE...]}
shift 2
languages=("$@")
[[ ${#languages[@]} -gt 0 ]] || languages=(de fr es it pt_BR pl ru zh_CN ja ar)
shots=${VOLARIN_BUILD_DIR:-.}/e2e-languages
mkdir -p "$shots"
work=$(mktemp -d /tmp/volarin-e2e-XXXXXX)
pid=
stop() { [[ -n "$pid" ]] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }; pid=; }
cleanup() { stop; cleanup_a11y_session; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL ($language): $*"; import -window root "$shots/$language-failure.png" 2>/dev/null || true; exit 1; }

mkdir -p "$work/photos" "$work/out" "$work/home" "$work/cache"
head -c 20000 /dev/urandom > "$work/photos/one.jpg"
echo hidden > "$work/photos/.two.jpg"
echo hidden > "$work/photos/.three.jpg"

scale=1
start() { # language scale
  scale=$2
  LANGUAGE=$1 QT_SCALE_FACTOR=$2 HOME="$work/home" XDG_CACHE_HOME="$work/cache" "$program" "$work/photos" & pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name '^Volarin Z 1\.0$' >/dev/null || fail "no main window"
  sleep 1.5
}
click() { # role name
  local where
  where=$(/usr/bin/python3 "$here/a11y_locate.py" "$pid" "$1" "$2") || fail "no $1 '$2'"
  # The tree gives places in the window's logical pixels, the X server in its own.
  read -r x y <<<"$where"
  xdotool mousemove $((x * scale)) $((y * scale)) sleep 0.2 click 1
  sleep 0.7
}
window_id() { timeout 20 xdotool search --sync --onlyvisible --name "^$(sed 's/[.[\*^$]/\\&/g' <<<"$1")\$" | head -n1; }

for language in "${languages[@]}"; do
  ts="$ts_folder/volarin-z_$language.ts"
  word() { /usr/bin/python3 "$here/ts_lookup.py" "$ts" "$@"; }
  start "$language" 1
  tree=$(/usr/bin/python3 "$here/a11y_read.py" "$pid" 'Volarin Z 1.0') || fail "no accessible window"
  for control in "push button|$(word Form1 Start)" "push button|$(word Form1 Output)" \
                 "push button|$(word Form1 Browse...)" "push button|$(word Form1 Clear)" \
                 "link|$(word MainWindow 'Online Help')" "table|$(word MainWindow 'Found files')" \
                 "panel|$(word MainWindow 'File Extension')" "panel|$(word MainWindow 'Drag and Drop Folders')"; do
    grep -qF "$control|" <<<"$tree" || fail "no ${control/|/ } in the tree:"$'\n'"$tree"
  done
  x_of() { grep -F "$1|" <<<"$tree" | head -n1 | cut -d'|' -f4; }
  start_x=$(x_of "push button|$(word Form1 Start)")
  list_x=$(x_of "table|$(word MainWindow 'Found files')")
  if [[ "$language" == ar ]]; then
    (( start_x < list_x )) || fail "the window is not mirrored: Start at $start_x, the list at $list_x"
  else
    (( start_x > list_x )) || fail "Start at $start_x is left of the list at $list_x"
  fi
  import -window root "$shots/$language-1x-main.png"

  click "push button" "$(word Form1 Output)"
  dialog=$(word OutputNameDialog Output)
  [[ -n "$(window_id "$dialog")" ]] || fail "no '$dialog' window"
  sleep 0.5
  proposal=$(/usr/bin/python3 "$here/a11y_read.py" "$pid" "$dialog" | awk -F'|' '$1 == "text" {print $3; exit}')
  pattern=$(word ArchiveName '%1 ZIP Archive %2 %3 %4')
  regex=$(python3 -c 'import re,sys; p=re.escape(sys.argv[1]); print("^"+p.replace("%1","JPG").replace("%2",".+").replace("%3",sys.argv[2]).replace("%4",sys.argv[3])+"$")' \
          "$pattern" "$(date +%-d)" "$(date +%Y)")
  grep -qP "$regex" <<<"$proposal" || fail "the proposed name '$proposal' is not '$pattern'"
  [[ "$proposal" != *[:*?\"\<\>\|\\/]* ]] || fail "the proposed name '$proposal' holds a character FAT refuses"
  import -window root "$shots/$language-1x-output.png"

  click "push button" "$(word Form2 OK)"
  picker=$(window_id "$(word FolderPicker 'Volarin Z - Please select a folder.')")
  [[ -n "$picker" ]] || fail "no folder picker titled in the language"
  sleep 1
  xdotool windowfocus --sync "$picker" key ctrl+a
  xdotool type --delay 5 "$work/out"
  xdotool key Return
  sleep 1
  click "push button" "$(word Form1 Start)"
  box=$(window_id "Volarin Z")
  [[ -n "$box" ]] || fail "no message after the run"
  sleep 0.5
  import -window root "$shots/$language-1x-message.png"
  message=$(/usr/bin/python3 "$here/a11y_read.py" "$pid" "Volarin Z" | awk -F'|' '$1 == "label" && ($3 != "" || $2 != "") {print ($3 != "" ? $3 : $2); exit}')
  head=$(word UserMessage '%n files were left out of "%1":' 2)
  head=${head//%n/2}
  shown="$work/out/$proposal.zip"
  # Right to left a path is set into the sentence between isolate marks.
  [[ "$language" == ar ]] && shown="$(printf '\xe2\x81\xa8')$shown$(printf '\xe2\x81\xa9')"
  head=${head//%1/$shown}
  [[ "${message%%\\n*}" == "$head" ]] || fail "the message begins '${message%%\\n*}', not '$head'"
  xdotool windowfocus --sync "$box" key Return
  stop
  rm -f "$work/out"/*.zip

  # At 2x: the same windows, looked at in the screenshots.
  start "$language" 2
  import -window root "$shots/$language-2x-main.png"
  click "push button" "$(word Form1 Output)"
  [[ -n "$(window_id "$dialog")" ]] || fail "no '$dialog' window at 2x"
  sleep 0.5
  import -window root "$shots/$language-2x-output.png"
  stop
  echo "ok: $language"
done
echo "OK: ${languages[*]} read through the accessibility tree; screenshots in $shots"
