#!/usr/bin/env bash
# Starts the real program on the X server this test runs under (xvfb-run),
# checks the main window's title and size, and takes a screenshot of the
# screen into the build folder.
set -euo pipefail
program=${1:?usage: main_window.sh PROGRAM}
out=${VOLARIN_BUILD_DIR:-.}/e2e-main-window.png

export QT_QPA_PLATFORM=xcb  # the X server of xvfb-run, whatever the environment says
"$program" & pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Volarin Z 1\.0$' | head -n1)
title=$(xdotool getwindowname "$window")
if [[ "$title" != "Volarin Z 1.0" ]]; then
  echo "FAIL: window title is '$title'"; exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
if [[ "$WIDTH" != 640 || "$HEIGHT" != 328 ]]; then
  echo "FAIL: window is ${WIDTH}x${HEIGHT}, not 640x328"; exit 1
fi
sleep 1 # let the first paint settle
import -window root "$out"
convert "$out" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "${out%.png}-cropped.png"
if ! kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program ended on its own"; exit 1
fi
echo "OK: '$title' ${WIDTH}x${HEIGHT}, screenshot in $out"
