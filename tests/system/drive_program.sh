#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a virtual X display, drives it with the keyboard and expects it
# to end with status 0 within five seconds of the last step, having printed nothing: no
# sound server here, and the chimes are silent without a word.
# Usage: drive_program.sh PROGRAM STEP...   (wait:TITLE-REGEX or key:XDOTOOL-KEYS)
set -euo pipefail
# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
errors="$(mktemp)"
trap 'kill "$pid" 2>/dev/null || true; stop_virtual_display; rm -f "$errors"' EXIT
start_virtual_display 1024x768
"$1" 2>"$errors" &
pid=$!
for step in "${@:2}"; do
  # shellcheck disable=SC2086 # a key step may hold several keys
  case "$step" in
    wait:*) wait_for_window "${step#wait:}" >/dev/null ;;
    key:*) sleep 0.3 && xdotool key ${step#key:} ;;  # once the new window has the focus
  esac
done
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null && sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program was still running 5 seconds after the last step" >&2 && exit 1
fi
status=0 && wait "$pid" || status=$?
echo "the program ended with status $status, printing $(wc -l <"$errors") lines:" && cat "$errors"
[[ $status -eq 0 && ! -s "$errors" ]]
