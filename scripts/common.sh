# Shared by scripts/run and scripts/test: installs missing Debian packages and
# configures and builds in a build folder of the caller's choosing.
# Never waits for input: without root and without password-less sudo it says
# what to install and stops.

volarin_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo=(sudo -n)
    else
      echo "error: these Debian packages are missing and I cannot install them without root: ${missing[*]}" >&2
      echo "       run: sudo apt-get install ${missing[*]}" >&2
      exit 1
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq </dev/null || {
    echo "error: apt-get update failed" >&2; exit 1; }
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null || {
    echo "error: apt-get install failed for: ${missing[*]}" >&2; exit 1; }
}

# What the program needs to build and run; the tests need more on top.
# Translations: lupdate/lrelease and their CMake functions (qt6-l10n-tools,
# qt6-tools-dev), Qt's own words (qt6-translations-l10n), msgfmt for the
# desktop entry and AppStream metadata (gettext), po4a for the manual pages.
program_packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev libminizip-dev libdeflate-dev zlib1g-dev qt6-qpa-plugins qt6-wayland fonts-dejavu-core
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n gettext po4a)
# A font with Chinese and Japanese letters, so their captions are measured as drawn.
test_build_packages=(libgtest-dev libgmock-dev fonts-wqy-microhei)
# What building the Debian package needs on top (dpkg-shlibdeps, file).
package_packages=(dpkg-dev file)
# What the tests run on top of what they build with: the independent archive
# readers, the display and accessibility bus of the end-to-end tests, and
# the package checks.
test_run_packages=(zip unzip p7zip-full libarchive-tools pigz libdeflate-tools python3 golang-go desktop-file-utils
  xvfb xauth xdotool imagemagick dbus-x11 at-spi2-core python3-pyatspi dbus-daemon weston
  "${package_packages[@]}" lintian appstream man-db
  exfatprogs exfat-fuse ntfs-3g dosfstools fusefat util-linux)

# configure_and_build BUILD_DIR BUILD_TYPE [cmake options...] [-- build options...]
# Each command keeps its own build folder, so running one after the other
# never rebuilds the other's tree.
configure_and_build() {
  local dir="$volarin_root/$1" type="$2"
  shift 2
  local configure=() build=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do configure+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  build=("$@")
  cmake -S "$volarin_root" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "${configure[@]}" >/dev/null || {
    echo "error: cmake configure failed" >&2; exit 1; }
  cmake --build "$dir" -j"$(nproc)" "${build[@]}" || { echo "error: build failed" >&2; exit 1; }
}
