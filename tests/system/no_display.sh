#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line and exits with
# status 1, rather than aborting.
set -uo pipefail
program="$1"
failed=0
for display in "" ":9999"; do
  output="$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1 </dev/null)"
  status=$?
  lines=$(printf '%s\n' "$output" | grep -c .)
  if [[ $status -ne 1 || $lines -ne 1 || "$output" != *"no display could be opened"* ]]; then
    echo "DISPLAY='$display': status $status, $lines lines:" >&2
    printf '%s\n' "$output" >&2
    failed=1
  else
    echo "DISPLAY='$display': $output"
  fi
done
exit $failed
