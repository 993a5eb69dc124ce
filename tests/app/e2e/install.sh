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
grep -qx 'Exec=volarin-z' "$desktop" && grep -qx 'Icon=volarin-z' "$desktop" && grep -qx 'Type=Application' "$desktop" \
  || { echo "FAIL: desktop entry does not start volarin-z with its icon"; exit 1; }
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
echo "OK: installed into $prefix"
