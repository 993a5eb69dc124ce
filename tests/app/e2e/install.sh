#!/usr/bin/env bash
# `cmake --install` into a throw-away prefix puts the program, its help page
# where the program looks for it, the desktop entry and the icons in place.
set -euo pipefail
build=${1:?usage: install.sh BUILD_DIR}
prefix=$(mktemp -d /tmp/volarin-install-XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/volarin-z share/volarin-z/help/index.html share/applications/volarin-z.desktop \
         share/icons/hicolor/scalable/apps/volarin-z.svg share/icons/hicolor/48x48/apps/volarin-z.png; do
  [[ -f "$prefix/$f" ]] || { echo "FAIL: $f not installed"; exit 1; }
done
[[ -x "$prefix/bin/volarin-z" ]] || { echo "FAIL: program not executable"; exit 1; }
desktop="$prefix/share/applications/volarin-z.desktop"
grep -qx 'Exec=volarin-z %F' "$desktop" && grep -qx 'Icon=volarin-z' "$desktop" && grep -qx 'Type=Application' "$desktop" \
  || { echo "FAIL: desktop entry does not start volarin-z on the chosen folders with its icon"; exit 1; }
# Offered in the file manager's "Open With" for folders.
grep -qx 'MimeType=inode/directory;' "$desktop" || { echo "FAIL: desktop entry not offered for folders"; exit 1; }
command -v desktop-file-validate >/dev/null || { echo "FAIL: desktop-file-validate is not installed"; exit 1; }
report=$(desktop-file-validate "$desktop" 2>&1) || { echo "FAIL: $report"; exit 1; }
[[ -z "$report" ]] || { echo "FAIL: desktop-file-validate: $report"; exit 1; }
echo "OK: installed into $prefix"
