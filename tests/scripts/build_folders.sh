#!/usr/bin/env bash
# scripts/run, scripts/test and scripts/test-sanitizers keep separate build
# folders, and scripts/run builds the program alone: the commands run one
# after the other never rebuild each other's tree. cmake, ctest and dpkg-query are replaced by
# recorders, so nothing is installed or built here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fake=$(mktemp -d /tmp/volarin-scripts-XXXXXX)
trap 'rm -rf "$fake"' EXIT
for tool in cmake ctest; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\n' "$tool" "$fake" > "$fake/$tool"
done
printf '#!/bin/sh\necho "install ok installed"\n' > "$fake/dpkg-query"
chmod +x "$fake"/*

# Without a display scripts/run builds, then says so and stops.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY PATH="$fake:$PATH" bash "$root/scripts/run" 2>"$fake/run.err" || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: scripts/run without a display exited $status"; exit 1; }
grep -q 'no display' "$fake/run.err" || { echo "FAIL: scripts/run did not say why it stopped"; exit 1; }
mv "$fake/calls" "$fake/run.calls"
PATH="$fake:$PATH" bash "$root/scripts/test" -R nothing >/dev/null
mv "$fake/calls" "$fake/test.calls"
PATH="$fake:$PATH" bash "$root/scripts/test-sanitizers" -R nothing >/dev/null
mv "$fake/calls" "$fake/sanitizers.calls"

run_dir=$(sed -n 's/^cmake -S [^ ]* -B \([^ ]*\) .*/\1/p' "$fake/run.calls")
test_dir=$(sed -n 's/^cmake -S [^ ]* -B \([^ ]*\) .*/\1/p' "$fake/test.calls")
[ -n "$run_dir" ] && [ -n "$test_dir" ] || { echo "FAIL: a script did not configure"; cat "$fake"/*.calls; exit 1; }
[ "$run_dir" != "$test_dir" ] || { echo "FAIL: both scripts build in $run_dir"; exit 1; }
grep -q -- "--build $run_dir .*--target volarin-z" "$fake/run.calls" \
  || { echo "FAIL: scripts/run builds more than the program"; cat "$fake/run.calls"; exit 1; }
grep -q -- '-DVOLARIN_BUILD_TESTS=OFF' "$fake/run.calls" \
  || { echo "FAIL: scripts/run configures the tests"; exit 1; }
grep -q '^ctest ' "$fake/test.calls" || { echo "FAIL: scripts/test ran no tests"; exit 1; }
sanitizer_dir=$(sed -n 's/^cmake -S [^ ]* -B \([^ ]*\) .*/\1/p' "$fake/sanitizers.calls")
[ -n "$sanitizer_dir" ] && [ "$sanitizer_dir" != "$test_dir" ] && [ "$sanitizer_dir" != "$run_dir" ] \
  || { echo "FAIL: scripts/test-sanitizers builds in '$sanitizer_dir'"; exit 1; }
grep -q -- '-DVOLARIN_ASAN=ON' "$fake/sanitizers.calls" \
  || { echo "FAIL: scripts/test-sanitizers builds without the sanitizers"; exit 1; }
grep -q "^ctest --test-dir $sanitizer_dir .*-LE long" "$fake/sanitizers.calls" \
  || { echo "FAIL: scripts/test-sanitizers runs no tests (or the long ones)"; cat "$fake/sanitizers.calls"; exit 1; }
echo "OK: run builds in $run_dir (program only), test in $test_dir, test-sanitizers in $sanitizer_dir"
