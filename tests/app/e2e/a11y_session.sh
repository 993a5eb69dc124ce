# Sourced by the end-to-end tests that read the program through its
# accessibility tree: runs the test in a D-Bus session of its own with the
# accessibility bus up, and starts programs on the X server of xvfb-run.
# Defines `cleanup_a11y_session`, which the test's EXIT trap must call.
if [[ -z "${VOLARIN_E2E_SESSION:-}" ]]; then
  exec env VOLARIN_E2E_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
# A home and per-user folders of the test's own: the accessibility bus puts
# its socket there, so no other test's bus (nor the user's) is ever reached.
a11y_home=$(mktemp -d /tmp/volarin-a11y-home-XXXXXX)
mkdir -m 700 "$a11y_home/runtime"
export HOME="$a11y_home" XDG_RUNTIME_DIR="$a11y_home/runtime" XDG_CACHE_HOME="$a11y_home/cache" \
  XDG_CONFIG_HOME="$a11y_home/config" XDG_DATA_HOME="$a11y_home/data"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & a11y_bus=$!
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The X server of this test, whatever platform the caller's environment names.
export QT_QPA_PLATFORM=xcb
cleanup_a11y_session() {
  kill "$a11y_bus" 2>/dev/null || true
  wait "$a11y_bus" 2>/dev/null || true
  rm -rf "$a11y_home"
}
