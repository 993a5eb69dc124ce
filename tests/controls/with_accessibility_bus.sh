#!/usr/bin/env bash
# Runs a test binary with Qt's accessibility bridge active, as under a screen
# reader: on its own X server, inside the private D-Bus session this script is
# started in (ctest runs it under dbus-run-session), with the AT-SPI bus
# launched. Exits 77 (skipped) where Xvfb or the AT-SPI bus launcher is missing.
set -uo pipefail
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [[ -x "$candidate" ]] && launcher=$candidate && break
done
if [[ -z "$launcher" ]] || ! command -v Xvfb >/dev/null; then
  echo "SKIP: needs Xvfb and at-spi-bus-launcher (packages xvfb, at-spi2-core)"
  exit 77
fi

# Xvfb picks a free display itself and names it once it accepts clients.
coproc XVFB { exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x800x24 2>/dev/null; }
xvfb_pid=$XVFB_PID
if ! read -r display <&"${XVFB[0]}"; then
  echo "FAIL: Xvfb did not start"
  exit 1
fi
# A home and per-user folders of its own: the accessibility bus puts its
# socket there, so no other test's bus (nor the user's) is ever reached.
a11y_home=$(mktemp -d /tmp/volarin-a11y-home-XXXXXX)
mkdir -m 700 "$a11y_home/runtime"
export HOME="$a11y_home" XDG_RUNTIME_DIR="$a11y_home/runtime" XDG_CACHE_HOME="$a11y_home/cache" \
  XDG_CONFIG_HOME="$a11y_home/config" XDG_DATA_HOME="$a11y_home/data"
"$launcher" --launch-immediately & launcher_pid=$!
trap 'kill "$launcher_pid" "$xvfb_pid" 2>/dev/null; wait "$launcher_pid" "$xvfb_pid" 2>/dev/null; rm -rf "$a11y_home"' EXIT
DISPLAY=":$display" VOLARIN_TEST_DISPLAY=1 VOLARIN_A11Y_BUS=1 QT_QPA_PLATFORM=xcb \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
