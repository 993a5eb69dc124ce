#!/usr/bin/env bash
# The real program on a Wayland desktop without any X server: weston's
# headless backend, no DISPLAY, no platform named. Qt must pick its Wayland
# platform; the window, the folder given on the command line and a folder
# chosen in the folder picker are read through the accessibility tree.
set -euo pipefail
program=${1:?usage: wayland.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
unset DISPLAY  # also for the accessibility bus, which would otherwise look for X
source "$here/a11y_session.sh"
unset QT_QPA_PLATFORM  # the session helper names xcb; here Qt chooses by itself
command -v weston >/dev/null || { echo "FAIL: weston is not installed"; exit 1; }
shots=${VOLARIN_BUILD_DIR:-.}/e2e-wayland
mkdir -p "$shots"
work=$(mktemp -d /tmp/volarin-wayland-XXXXXX)
runtime="$work/runtime"
mkdir -m 700 "$runtime"
pid= weston_pid=
cleanup() {
  for p in $pid $weston_pid; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  cleanup_a11y_session
  rm -rf "$work"
}
trap cleanup EXIT
screenshot() { # name: the whole output, through weston's screenshooter (enabled by --debug)
  (cd "$work" && rm -f wayland-screenshot-*.png &&
   XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-volarin timeout 10 weston-screenshooter >/dev/null 2>&1 &&
   mv wayland-screenshot-*.png "$shots/$1.png") || true
}
fail() { echo "FAIL: $*"; screenshot failure; sed 's/^/weston: /' "$work/weston.log" | tail -n 20; exit 1; }

XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman --socket=wayland-volarin \
  --idle-time=0 --width=1024 --height=700 --debug --log="$work/weston.log" 2>/dev/null & weston_pid=$!
for _ in $(seq 1 100); do [[ -S "$runtime/wayland-volarin" ]] && break; sleep 0.1; done
[[ -S "$runtime/wayland-volarin" ]] || fail "weston did not start"

mkdir -p "$work/photos" "$work/more" "$work/home" "$work/cache" "$work/config"
touch "$work/photos/a1.jpg" "$work/photos/a2.jpg" "$work/photos/notes.txt" "$work/more/b1.jpg"
# Weston's headless backend has no seat, and Qt 6.4's Wayland input method
# context then dereferences the missing seat when a text field paints its
# cursor. Every real session has a seat; here the plain compose input context
# takes its place.
# WAYLAND_DEBUG logs the client's requests, to read the window's app id.
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-volarin WAYLAND_DEBUG=client QT_IM_MODULE=compose HOME="$work/home" \
  XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" "$program" "$work/photos" \
  2>"$work/stderr" & pid=$!

tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 2) || fail "no window with the folder's files: $(cat "$work/stderr")"
grep -q 'libqwayland-[a-z]*\.so' "/proc/$pid/maps" || fail "Qt's Wayland platform is not loaded"
! grep -q 'libqxcb\.so' "/proc/$pid/maps" || fail "Qt's X11 platform is loaded"
grep -qx "window frame 'Volarin Z 1.0'" <<<"$tree" || fail "no main window:"$'\n'"$tree"
# The compositor finds the desktop entry (name, icon) by the window's app id.
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("volarin-z")' "$work/stderr" || fail "the window's app id is not volarin-z"
expected="row 1 'a2.jpg' checked
row 2 'a1.jpg' checked"
[[ "$(grep '^row ' <<<"$tree")" == "$expected" ]] || fail "rows are:"$'\n'"$tree"
grep -qx "push button 'Output' enabled" <<<"$tree" || fail "Output is not enabled"
echo "$tree" > "$shots/tree.txt"
screenshot 1-command-line

# The folder picker: Browse, the folder entered into the picker's field, Choose.
/usr/bin/python3 "$here/a11y_press.py" "$pid" "push button" "Browse..." || fail "Browse could not be pressed"
/usr/bin/python3 "$here/a11y_locate.py" "$pid" text "Directory:" >/dev/null || fail "no folder picker"
screenshot 2-picker
/usr/bin/python3 "$here/a11y_type.py" "$pid" text "Directory:" "$work/more" || fail "the picker's field takes no text"
/usr/bin/python3 "$here/a11y_press.py" "$pid" "push button" "Choose" || fail "Choose could not be pressed"
tree=$(/usr/bin/python3 "$here/a11y_dump.py" "$pid" 3) || fail "the chosen folder was not listed"
[[ "$(grep -c '^row ' <<<"$tree")" == 3 ]] && grep -qx "row 1 'b1.jpg' checked" <<<"$tree" \
  || fail "rows after the picker are:"$'\n'"$tree"
[[ "$(grep -c '^window ' <<<"$tree")" == 1 ]] || fail "the picker (or a message) is still open:"$'\n'"$tree"
screenshot 3-picked
kill -0 "$pid" 2>/dev/null || fail "the program ended on its own"
! grep -q '^volarin-z: ' "$work/stderr" || fail "the program complained: $(cat "$work/stderr")"
echo "OK: runs on Qt's Wayland platform under weston; folder argument and folder picker listed; tree and screenshots in $shots"
