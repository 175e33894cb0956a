#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program speaks the user's language from its first dialog, as gettext reads it from
# LANGUAGE, LC_ALL, LC_MESSAGES and LANG, on a machine where no Japanese locale is generated;
# a language it has no catalogue for gets English.
# Usage: users_language.sh PROGRAM JAPANESE-PO
set -uo pipefail
program="$1" po="$2"
# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display 800x600

locale -a | grep -qi '^ja_JP' &&
  echo "note: a Japanese locale is generated here; the names alone are what is tested elsewhere"
english="Setting the number of guests"
japanese="$(/usr/bin/python3 -c 'import sys, polib; print(polib.pofile(sys.argv[1]).find(sys.argv[2]).msgstr)' \
  "$po" "$english")"
[[ -n $japanese ]] || { echo "no Japanese for '$english' in $po" >&2; exit 1; }

failed=0
# expect TITLE VARIABLE=VALUE...: started with only those language variables, the program's
# first dialog has TITLE.
expect() {
  local title="$1" shown="" pid waited
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${@:2}" "$program" & pid=$!
  for ((waited = 0; waited < 250; ++waited)); do
    shown="$(xdotool search --name . getwindowname %@ 2>/dev/null)"
    grep -qFx -- "$title" <<<"$shown" && break
    sleep 0.1
  done
  if grep -qFx -- "$title" <<<"$shown"; then
    echo "${*:2}: '$title'"
  else
    echo "${*:2}: no dialog titled '$title'; shown: ${shown//$'\n'/ | }" >&2
    failed=1
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
expect "$japanese" LANG=ja_JP.UTF-8
expect "$japanese" LC_ALL=ja_JP.UTF-8 LANG=en_US.UTF-8
expect "$japanese" LANGUAGE=ja LANG=en_GB.UTF-8
expect "$english" LANG=fr_FR.UTF-8
expect "$english" LC_MESSAGES=de_DE.UTF-8 LANG=ja_JP.UTF-8
exit $failed
