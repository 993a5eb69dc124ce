#!/usr/bin/env bash
# The Debian package CPack makes from a build tree, checked as Debian and a
# user would: its name, contents and Depends, lintian, the AppStream
# metadata, the manual pages, the translations (the program's, the help
# pages', the desktop entry's, the AppStream metadata's, the manual page's
# NAME and DESCRIPTION), and an install and purge with dpkg into a scratch
# root that must leave nothing behind. As root in CI (CI=true) it is also
# installed with apt on the machine itself and purged again.
set -euo pipefail
build=${1:?usage: deb.sh BUILD_DIR}
work=$(mktemp -d /tmp/volarin-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli man; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/*.deb)
[[ ${#debs[@]} == 1 && "${debs[0]}" == "$work/cpack/volarin-z_${version}_${arch}.deb" ]] \
  || fail "not one volarin-z_${version}_${arch}.deb: ${debs[*]}"
deb=${debs[0]}

# Contents: everything under /usr, and each of these in place.
dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' >"$work/contents"
required="/usr/bin/volarin-z
/usr/share/applications/volarin-z.desktop
/usr/share/icons/hicolor/scalable/apps/volarin-z.svg
/usr/share/volarin-z/help/index.html
/usr/share/metainfo/example.volarin.VolarinZ.metainfo.xml
/usr/share/man/man1/volarin-z.1.gz
/usr/share/doc/volarin-z/copyright
/usr/share/doc/volarin-z/changelog.gz"
for size in 16 24 32 48 64 128 256; do
  required+=$'\n'"/usr/share/icons/hicolor/${size}x${size}/apps/volarin-z.png"
done
languages="de fr es it pt_BR pl ru zh_CN ja ar"
required+=$'\n'"/usr/share/volarin-z/translations/volarin-z_en.qm"
for language in $languages; do
  required+=$'\n'"/usr/share/volarin-z/translations/volarin-z_$language.qm"
  required+=$'\n'"/usr/share/volarin-z/help/$language/index.html"
  required+=$'\n'"/usr/share/man/$language/man1/volarin-z.1.gz"
done
while read -r path; do grep -qx "$path" "$work/contents" || fail "$path is not in the package"; done <<<"$required"
! grep -v '^/usr/' "$work/contents" || fail "files outside /usr"
echo "Package contents ($(grep -vc '/$' "$work/contents") files):"
grep -v '/$' "$work/contents" | sed 's/^/  /'

# Depends: the libraries the binary links, and Qt's Wayland platform.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libminizip1 zlib1g qt6-wayland; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done
# Qt's own words in the user's language (the folder picker, the message boxes' buttons).
[[ "$(dpkg-deb -f "$deb" Recommends)" == *qt6-translations-l10n* ]] || fail "Recommends lacks qt6-translations-l10n"


# The version is told in three places beside CMake; they must agree.
dpkg-deb -x "$deb" "$work/root-files"
files="$work/root-files"
zcat "$files/usr/share/doc/volarin-z/changelog.gz" | head -n1 | grep -q "^volarin-z ($version) " \
  || fail "the changelog's latest entry is not version $version"
grep -q "<release version=\"$version\"" "$files/usr/share/metainfo/example.volarin.VolarinZ.metainfo.xml" \
  || fail "the AppStream metadata names no release $version"

echo "lintian:"
lintian_status=0
lintian --fail-on error,warning -I "$deb" >"$work/lintian" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian" | sed 's/^/  /' || true
[[ $lintian_status == 0 ]] || fail "lintian reports errors or warnings"

echo "appstreamcli validate --no-net:"
metainfo="$files/usr/share/metainfo/example.volarin.VolarinZ.metainfo.xml"
appstream_status=0
(cd "$work" && appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1) || appstream_status=$?
sed 's/^/  /' "$work/appstream"
[[ $appstream_status == 0 ]] || fail "the AppStream metadata is not valid"
grep -q '<launchable type="desktop-id">volarin-z.desktop</launchable>' "$metainfo" \
  || fail "the AppStream metadata does not name the desktop entry"
# Each language's name, comment and keywords in the menu, and summary and
# description in software centres.
desktop="$files/usr/share/applications/volarin-z.desktop"
for language in $languages; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
  done
  for element in summary p keyword caption; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "the AppStream metadata has no $element in $language"
  done
done

# The manual page: no warnings from groff, and the sections a reader looks for.
page="$files/usr/share/man/man1/volarin-z.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "the manual page has warnings: $warnings"
text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS"; do
  grep -qx "$section" <<<"$text" || fail "the manual page has no $section"
done
# Each language's page: as clean, its NAME line (what apropos shows) and
# DESCRIPTION in that language, the other sections in English.
english_name=$(lexgrog "$page" | sed 's/^[^:]*: //')
for language in $languages; do
  translated="$files/usr/share/man/$language/man1/volarin-z.1.gz"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$translated" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || fail "the $language manual page has warnings: $warnings"
  name=$(lexgrog "$translated" | sed 's/^[^:]*: //')
  [[ "$name" == '"volarin-z - '* && "$name" != "$english_name" ]] || fail "the $language manual page's NAME: $name"
  text=$(MANWIDTH=80 man -l "$translated" 2>/dev/null)
  grep -q "OPTIONS" <<<"$text" || fail "the $language manual page lost its English OPTIONS"
  ! grep -q "opens a window that lists" <<<"$text" || fail "the $language manual page's DESCRIPTION is in English"
done

# Installed and purged with dpkg into a scratch root: everything in place, the
# binary runs and finds its help page, and the purge leaves nothing.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg_root() { dpkg --root="$root" --log=/dev/null --force-depends --force-not-root --force-script-chrootless "$@"; }
dpkg_root -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg could not install it"; }
while read -r path; do [[ -e "$root$path" ]] || fail "$path not installed"; done <<<"$required"
[[ "$("$root/usr/bin/volarin-z" --version)" == "Volarin Z $version" ]] || fail "the installed program does not run"
LANGUAGE=en "$root/usr/bin/volarin-z" --help | grep -qx "Help page: $root/usr/share/volarin-z/help/index.html" \
  || fail "the installed program does not find its help page"
LANGUAGE=de "$root/usr/bin/volarin-z" --help | grep -qx "Hilfeseite: $root/usr/share/volarin-z/help/de/index.html" \
  || fail "the installed program does not speak German or find the German help page"
[[ "$(MANPATH="$root/usr/share/man" man -w volarin-z)" == "$root/usr/share/man/man1/volarin-z.1.gz" ]] \
  || fail "man volarin-z does not find the page"
dpkg_root --purge volarin-z >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg could not purge it"; }
left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg' -not -path './var/lib/dpkg/*' \
                                      -not -path './var' -not -path './var/lib')
[[ -z "$left" ]] || fail "the purge left: $left"
! ls "$root/var/lib/dpkg/info" | grep -q volarin-z || fail "dpkg still knows files of volarin-z"

# The real thing, where it may change the machine: a CI run as root.
if [[ "${CI:-}" == true && "$(id -u)" == 0 ]] && ! dpkg-query -W volarin-z >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" </dev/null >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt could not install it"; }
  installed=$(dpkg-query -L volarin-z)
  [[ "$(command -v volarin-z)" == /usr/bin/volarin-z ]] || fail "volarin-z is not on the PATH"
  [[ "$(man -w volarin-z)" == /usr/share/man/man1/volarin-z.1.gz ]] || fail "man volarin-z finds no page"
  # In the menu, and offered for folders once the desktop database is updated.
  [[ -f /usr/share/applications/volarin-z.desktop ]] || fail "no desktop entry in /usr/share/applications"
  cache=/usr/share/applications/mimeinfo.cache
  if command -v update-desktop-database >/dev/null; then
    grep -q '^inode/directory=.*volarin-z\.desktop' "$cache" || fail "not offered for folders in $cache"
  fi
  DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq -o DPkg::Lock::Timeout=300 volarin-z </dev/null >>"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt could not remove it"; }
  ! dpkg-query -W volarin-z >/dev/null 2>&1 || fail "dpkg still lists volarin-z after the purge"
  while read -r path; do
    [[ -d "$path" ]] && continue  # folders shared with other packages stay
    [[ ! -e "$path" ]] || fail "$path is left after the purge"
  done <<<"$installed"
  ! grep -qs 'volarin-z\.desktop' "$cache" || fail "$cache still names volarin-z.desktop"
  for folder in /usr/share/volarin-z /usr/share/doc/volarin-z; do
    [[ ! -e "$folder" ]] || fail "$folder is left after the purge"
  done
  echo "apt install and apt remove --purge on this machine: nothing left"
fi
echo "OK: $(basename "$deb") is lintian and AppStream clean, installs and purges leaving nothing"
