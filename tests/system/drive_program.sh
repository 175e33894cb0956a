#!/usr/bin/env bash
# Starts the built program as a process of its own on a virtual X display, drives it with
# the keyboard and expects the process to end with status 0 within a few seconds.
# Usage: drive_program.sh PROGRAM STEP...
#   wait:REGEX   wait until a window whose title matches REGEX is shown
#   key:KEYS     press keys (xdotool names, blank-separated)
set -euo pipefail
program="$1"
shift

# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
cleanup() {
  [[ -n "${program_pid:-}" ]] && kill "$program_pid" 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
start_virtual_display 1024x768

"$program" &
program_pid=$!

for step in "$@"; do
  case "$step" in
    wait:*) wait_for_window "${step#wait:}" >/dev/null ;;
    key:*)
      sleep 0.3  # let the window that has just appeared take the focus
      # shellcheck disable=SC2086
      xdotool key ${step#key:}
      ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
done

for _ in $(seq 50); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    set +e
    wait "$program_pid"
    status=$?
    set -e
    program_pid=
    if [[ $status -ne 0 ]]; then
      echo "the program ended with status $status" >&2
      exit 1
    fi
    echo "the program ended with status 0"
    exit 0
  fi
  sleep 0.1
done
echo "the program was still running 5 seconds after the last step" >&2
exit 1
