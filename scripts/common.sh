# Shared by scripts/run and scripts/test: installs missing Debian packages.
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

build_packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev libminizip-dev zlib1g-dev libgtest-dev libgmock-dev qt6-qpa-plugins fonts-dejavu-core)

configure_and_build() {
  local type="$1"
  cmake -S "$volarin_root" -B "$volarin_root/build" -DCMAKE_BUILD_TYPE="$type" >/dev/null || {
    echo "error: cmake configure failed" >&2; exit 1; }
  cmake --build "$volarin_root/build" -j"$(nproc)" || { echo "error: build failed" >&2; exit 1; }
}
