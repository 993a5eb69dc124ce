#!/usr/bin/env bash
# Runs a test command on a throw-away X server (xvfb-run -a) that never resets
# and returns only once that server has exited. By default an X server resets
# whenever its last client leaves (the accessibility bus launcher is one such
# client), and a client connecting during the reset fails with "Can't open
# display". xvfb-run signals its Xvfb and leaves at once, so the next test's
# server on the same display number could otherwise meet one still shutting down.
set -uo pipefail
server_pid_file=$(mktemp /tmp/volarin-xvfb-XXXXXX)
trap 'rm -f "$server_pid_file"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" \
  bash -c 'tr -dc 0-9 < "/tmp/.X${DISPLAY#:}-lock" > "$0"; exec "$@"' "$server_pid_file" "$@"
status=$?
server_pid=$(cat "$server_pid_file" 2>/dev/null || true)
server_gone() {
  [[ ! -e /proc/$server_pid ]] || [[ $(awk '{print $3}' "/proc/$server_pid/stat" 2>/dev/null) == Z ]]
}
if [[ -n "$server_pid" ]]; then
  for _ in $(seq 1 100); do server_gone && break; sleep 0.1; done
fi
exit "$status"
