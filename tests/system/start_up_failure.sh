#!/usr/bin/env bash
# A program that cannot start prints the toolkit's reason in one line and exits with status 1.
# Only when no display could be reached does a second line advise where to run it.
set -uo pipefail
program="$1"
failed=0
# expect DESCRIPTION REASON-PATTERN ADVICE(yes|no) COMMAND...
expect() {
  local description="$1" reason="$2" advice="$3" output status
  output="$("${@:4}" 2>&1 </dev/null)"
  status=$?
  local expected_lines=1 has_advice=no
  [[ $advice == yes ]] && expected_lines=2
  [[ "$output" == *"xvfb-run"* ]] && has_advice=yes
  if [[ $status -ne 1 || $(grep -c . <<<"$output") -ne $expected_lines ||
        "$(head -1 <<<"$output")" != "ombrix: "*$reason* || $has_advice != "$advice" ]]; then
    printf '%s: status %d, output:\n%s\n' "$description" "$status" "$output" >&2
    failed=1
  else
    printf '%s: %s\n' "$description" "${output//$'\n'/ | }"
  fi
}
for display in "" ":9999"; do
  expect "DISPLAY='$display'" "could not connect to display" yes \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program"
done
# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display 640x480
expect "a working display, QT_QPA_PLATFORM=bogus" '"bogus"' no env QT_QPA_PLATFORM=bogus "$program"
exit $failed
