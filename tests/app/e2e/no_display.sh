#!/usr/bin/env bash
# --help, --version and a wrong option are answered without a display: no X
# server, no Wayland, no platform named.
set -euo pipefail
program=${1:?usage: no_display.sh PROGRAM}
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

help=$(run --help 2>"$errors") || fail "--help ended with status $?"
[[ "$help" == "Usage: volarin-z [OPTION]... [FOLDER]..."* ]] || fail "--help printed: $help"
grep -q '^Help page: /.*/help/index.html$' <<<"$help" || fail "--help does not say where the help page is"
[[ ! -s "$errors" ]] || fail "--help wrote to standard error: $(cat "$errors")"

version=$(run --version 2>"$errors") || fail "--version ended with status $?"
[[ "$version" == "Volarin Z 1.0" ]] || fail "--version printed: $version"
[[ ! -s "$errors" ]] || fail "--version wrote to standard error: $(cat "$errors")"

status=0
out=$(run --frobnicate /tmp 2>"$errors") || status=$?
[[ "$status" == 2 ]] || fail "an unknown option ended with status $status"
[[ -z "$out" ]] || fail "an unknown option wrote to standard output: $out"
[[ "$(head -n1 "$errors")" == "volarin-z: unknown option '--frobnicate'" ]] || fail "stderr: $(cat "$errors")"
grep -q '^Usage: volarin-z ' "$errors" || fail "no usage after the unknown option"
echo "OK: --help, --version and a wrong option without a display"
