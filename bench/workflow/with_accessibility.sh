#!/usr/bin/env bash
# Runs workflow_bench on its own X server (xcb platform, Xvfb) inside a private
# D-Bus session with the accessibility bus up, in three modes:
#   no-bridge  Qt's accessibility bridge off, the baseline;
#   bridge     the bridge forced on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1,
#              QT_ACCESSIBILITY=1) with no client listening: Qt then sends no events;
#   reader     the bridge on and screen_reader_listener.py registered for the
#              events a screen reader asks for, as on a screen reader user's desktop;
# compares each with the baseline through compare.py (target: within 1.2x),
# then counts the sendmsg calls of one run of the program per mode under
# `strace -f -c`, the bridge's traffic on the bus.
#
#   with_accessibility.sh BENCH [--parts P] [--reps N] [--corpus DIR] [--no-strace]
#
# BENCH is the built workflow_bench; the parts default to "many" and the
# repetitions to 3. The outputs are kept in $VOLARIN_BENCH_OUT (default: a new
# folder under /tmp, printed at the end). Needs xvfb, dbus, at-spi2-core,
# python3-pyatspi and strace.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [[ "${1:-}" != --inside-session ]]; then
  if [[ $# -lt 1 || ! -x "$1" ]]; then
    echo "usage: $0 BENCH [--parts P] [--reps N] [--corpus DIR] [--no-strace]" >&2
    exit 2
  fi
  for tool in Xvfb dbus-run-session gdbus strace /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
  done
  # Xvfb picks a free display itself and names it once it accepts clients; it
  # never resets, since a client connecting during a reset is refused.
  coproc XVFB { exec Xvfb -displayfd 1 -nolisten tcp -noreset -screen 0 1280x1024x24 2>/dev/null; }
  xvfb_pid=$XVFB_PID
  trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT
  read -r display <&"${XVFB[0]}" || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$display" QT_QPA_PLATFORM=xcb dbus-run-session -- bash "$0" --inside-session "$@"
  exit
fi

shift
bench=$(realpath "$1")
shift
parts=many reps=3 corpus=() trace=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    --parts) parts=$2; shift 2 ;;
    --reps) reps=$2; shift 2 ;;
    --corpus) corpus=(--corpus "$2"); shift 2 ;;
    --no-strace) trace=0; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
out=${VOLARIN_BENCH_OUT:-$(mktemp -d /tmp/volarin-a11y-bench.XXXXXX)}
mkdir -p "$out"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & launcher=$!
listener=""
stop_session() {
  [[ -n "$listener" ]] && kill "$listener" 2>/dev/null && wait "$listener" 2>/dev/null
  # The launcher's own bus daemon is its child; both are ours to end.
  local children
  children=$(ps -o pid= --ppid "$launcher" 2>/dev/null || true)
  kill $children "$launcher" 2>/dev/null || true
  wait "$launcher" 2>/dev/null || true
}
trap stop_session EXIT
for _ in $(seq 50); do
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done

# MODE COMMAND...: runs the command in that mode; the reader's event count goes to stderr.
in_mode() {
  local mode=$1
  shift
  case "$mode" in
    no-bridge) env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON -u QT_ACCESSIBILITY "$@" ;;
    bridge) env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@" ;;
    reader)
      /usr/bin/python3 "$here/screen_reader_listener.py" >"$out/listener.txt" 2>&1 & listener=$!
      for _ in $(seq 100); do
        grep -q ready "$out/listener.txt" && break
        sleep 0.1
      done
      grep -q ready "$out/listener.txt" || { echo "the listener did not start:" >&2; cat "$out/listener.txt" >&2; }
      env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@"
      kill "$listener"
      wait "$listener" || true
      listener=""
      grep "events received" "$out/listener.txt" >&2 || true
      ;;
  esac
}

modes=(no-bridge bridge reader)
for mode in "${modes[@]}"; do
  echo "== $mode (DISPLAY=$DISPLAY, xcb)"
  in_mode "$mode" "$bench" "${corpus[@]}" --parts "$parts" --reps "$reps" --label "$mode" | tee "$out/$mode.txt"
done
for mode in bridge reader; do
  echo "== $mode against no-bridge (target: within 1.2x)"
  python3 "$here/compare.py" "$out/no-bridge.txt" "$out/$mode.txt" --tolerance 0.2 || true
done

if [[ $trace == 1 ]]; then
  echo "== sendmsg calls of one run of the program (strace -f -c; peers left out)"
  for mode in "${modes[@]}"; do
    in_mode "$mode" strace -f --seccomp-bpf -c -e trace=sendmsg -o "$out/strace-$mode.txt" \
      "$bench" "${corpus[@]}" --parts "$parts" --reps 1 --no-peers --label "strace-$mode" >"$out/strace-run-$mode.txt"
    calls=$(awk '$NF == "sendmsg" { print $4 }' "$out/strace-$mode.txt")
    active=$(grep -o ' a11y=[01]' "$out/strace-run-$mode.txt" | head -n1)
    seconds=$(grep -o ' volarin=[0-9.]*' "$out/strace-run-$mode.txt" | head -n1)
    echo "$mode: ${calls:-0} sendmsg,${active:- a11y=?} (bridge active),${seconds} s under strace"
  done
fi
echo "outputs in $out"
