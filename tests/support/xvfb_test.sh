#!/usr/bin/env bash
# Runs a test command on a throw-away X server (xvfb-run -a) and returns only
# once that server has exited. xvfb-run signals its Xvfb and leaves at once; a
# server still shutting down keeps its abstract socket, and the next test's
# Xvfb on the same display number then shares it, so that test's first client
# can reach the dying server and fail with "Can't open display".
set -uo pipefail
server_pid_file=$(mktemp /tmp/volarin-xvfb-XXXXXX)
trap 'rm -f "$server_pid_file"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" \
  bash -c 'tr -dc 0-9 < "/tmp/.X${DISPLAY#:}-lock" > "$0"
           # The test starts once a client is served, not merely once the server says it listens.
           for _ in $(seq 1 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
           exec "$@"' "$server_pid_file" "$@"
status=$?
server_pid=$(cat "$server_pid_file" 2>/dev/null || true)
server_gone() {
  [[ ! -e /proc/$server_pid ]] || [[ $(awk '{print $3}' "/proc/$server_pid/stat" 2>/dev/null) == Z ]]
}
if [[ -n "$server_pid" ]]; then
  for _ in $(seq 1 100); do server_gone && break; sleep 0.1; done
fi
exit "$status"
