#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A program that cannot start prints the toolkit's reason in one line and exits with status 1;
# only when no display could be reached does a second line advise where to run it. Arguments
# are ignored: Qt's own -platform option does not get it past a missing display.
set -uo pipefail
program="$1" failed=0
# expect OUTPUT-PATTERN LINES COMMAND...: the command exits with 1 and prints LINES lines.
expect() {
  local output status
  output="$(timeout 20 "${@:3}" 2>&1 </dev/null)" && status=0 || status=$?
  echo "${*:3}: status $status, ${output//$'\n'/ | }"
  # shellcheck disable=SC2053 # the expected output is a pattern
  [[ $status -eq 1 && $(grep -c . <<<"$output") -eq $2 && "$output" == $1 ]] || failed=1
}
advice="ombrix: start Ombrix from a desktop session, or under xvfb-run"
for display in "" ":9999"; do
  expect "ombrix: could not connect to display*"$'\n'"$advice" 2 \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" -platform offscreen
done
# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display 640x480
expect 'ombrix: Could not find the Qt platform plugin "bogus"*' 1 env QT_QPA_PLATFORM=bogus "$program"
exit $failed
