#!/usr/bin/env bash
# scripts/package builds the program alone in Release, with Debian's hardening
# flags, in a build folder of its own (neither scripts/test's nor
# scripts/run's), and leaves exactly one package in dist/. It runs on a copy of
# scripts/ with cmake, cpack and dpkg-query replaced by recorders, so nothing
# is installed or built and the source tree's dist/ is not touched.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fake=$(mktemp -d /tmp/volarin-package-XXXXXX)
trap 'rm -rf "$fake"' EXIT
mkdir -p "$fake/bin" "$fake/root/dist"
cp -r "$here/scripts" "$fake/root/"
# cmake makes the build folder it configures (-B DIR), cpack a package where
# it is told (-B DIR).
printf '#!/bin/sh\necho "cmake $*" >> "%s/calls"\n[ "$1" = -S ] && mkdir -p "$4"\nexit 0\n' "$fake" > "$fake/bin/cmake"
printf '#!/bin/sh\necho "cpack $*" >> "%s/calls"\nwhile [ "$1" != -B ]; do shift; done\nmkdir -p "$2" && touch "$2/volarin-z_9.9_arch.deb"\n' \
  "$fake" > "$fake/bin/cpack"
printf '#!/bin/sh\necho "install ok installed"\n' > "$fake/bin/dpkg-query"
chmod +x "$fake"/bin/*
touch "$fake/root/dist/volarin-z_0.1_arch.deb"  # an older package, to be replaced

PATH="$fake/bin:$PATH" bash "$fake/root/scripts/package" >"$fake/out" 2>&1 || { cat "$fake/out"; echo "FAIL: scripts/package failed"; exit 1; }
configure=$(grep '^cmake -S ' "$fake/calls") || { echo "FAIL: no configure"; exit 1; }
for expected in "-B $fake/root/build-package " "-DCMAKE_BUILD_TYPE=Release" "-DVOLARIN_BUILD_TESTS=OFF" \
                "-D_FORTIFY_SOURCE=2" "-Wl,-z,now"; do
  [[ "$configure" == *"$expected"* ]] || { echo "FAIL: the configure lacks '$expected': $configure"; exit 1; }
done
grep -q "^cmake --build $fake/root/build-package " "$fake/calls" || { echo "FAIL: no build in build-package"; exit 1; }
grep -q '^cpack -G DEB ' "$fake/calls" || { echo "FAIL: cpack made no Debian package"; exit 1; }
[[ "$(ls "$fake/root/dist")" == "volarin-z_9.9_arch.deb" ]] \
  || { echo "FAIL: dist holds: $(ls "$fake/root/dist")"; exit 1; }
grep -qx "Package: dist/volarin-z_9.9_arch.deb" "$fake/out" || { echo "FAIL: the package is not named"; cat "$fake/out"; exit 1; }
echo "OK: scripts/package builds Release in build-package/ and writes dist/volarin-z_9.9_arch.deb"
