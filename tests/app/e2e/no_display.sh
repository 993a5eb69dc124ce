#!/usr/bin/env bash
# --help, --version and a wrong option are answered without a display: no X
# server, no Wayland, no platform named.
set -euo pipefail
program=${1:?usage: no_display.sh PROGRAM}
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=en "$program" "$@"; }
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
# --help follows the desktop's language settings as the window does: LANGUAGE
# first (a list), then LC_ALL, LC_MESSAGES, LANG; English where English comes
# first or no wanted language is shipped.
while IFS='|' read -r settings first; do
  # shellcheck disable=SC2086
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        $settings "$program" --help 2>"$errors" | head -n1) || fail "--help under $settings ended with status $?"
  [[ "$got" == "$first" ]] || fail "--help under $settings began: $got"
done <<'TABLE'
LANGUAGE=de|Aufruf: volarin-z [OPTION]... [ORDNER]...
LANG=ru_RU.UTF-8|Использование: volarin-z [ПАРАМЕТР]... [ПАПКА]...
LANG=de_DE.UTF-8 LC_MESSAGES=ja_JP.UTF-8|使い方: volarin-z [オプション]... [フォルダー]...
LC_ALL=fr_FR.UTF-8 LANG=de_DE.UTF-8|Utilisation : volarin-z [OPTION]... [DOSSIER]...
LANGUAGE=nl:pt_BR LANG=de_DE.UTF-8|Uso: volarin-z [OPÇÃO]... [PASTA]...
LANGUAGE=en:de|Usage: volarin-z [OPTION]... [FOLDER]...
LANGUAGE=zh_TW|Usage: volarin-z [OPTION]... [FOLDER]...
LANG=C|Usage: volarin-z [OPTION]... [FOLDER]...
TABLE
status=0
out=$(env -u DISPLAY LANGUAGE=pl "$program" --frobnicate 2>"$errors") || status=$?
[[ "$status" == 2 && "$(head -n1 "$errors")" == "volarin-z: nieznana opcja „--frobnicate”" ]] || fail "Polish stderr: $(cat "$errors")"
echo "OK: --help, --version and a wrong option without a display, in the desktop's language"
