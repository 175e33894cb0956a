#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program on a virtual X display under openbox, with Qt's accessibility bridge
# on the accessibility bus of the D-Bus session it runs in, and drives it with the keyboard as
# screen_reader_events.py prints the events a screen reader gets, each key once the focus it is
# for is told. Expected: a run's end as a notification with the table's average; the chart's
# bars as a list whose chosen item takes the focus as the keys move it; a meeting's caption as
# Replay's description as it takes the focus; a step's status as a notification. Then the keys
# go back to the main window and to Exit, and the program must end with status 0 within five
# seconds, having printed nothing of its own: no sound server here, and the chimes are silent
# without a word. A missing event fails the test, printing every event that came.
# Usage: dbus-run-session -- screen_reader_events.sh PROGRAM
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
# shellcheck source=../../scripts/virtual_display.sh
source "$here/../../scripts/virtual_display.sh"
events="$(mktemp)" errors="$(mktemp)" pids=()
trap 'kill "${pids[@]}" ${program:-} 2>/dev/null || true; stop_virtual_display
  rm -f "$events" "$errors"' EXIT
# expect REGEX [COUNT]: waits up to 20 seconds for COUNT (1) event lines that match, and a
# moment more for the keyboard's focus to follow.
expect() {
  for _ in $(seq 200); do
    (($(grep -cE "$1" "$events") >= ${2:-1})) && sleep 0.3 && return
    sleep 0.1
  done
  echo "no event matched '$1'; the events were:" && cat "$events" && exit 1
}
start_virtual_display 1024x768
start_window_manager
/usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
/usr/bin/python3 "$here/screen_reader_events.py" >"$events" & pids+=($!)
expect '^listening$'
# In a sanitizer build, no leak check: Qt 6.4's accessibility bridge holds each key event it
# hands the registry until the registry answers, and leaves those still waiting at the exit.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$1" 2>"$errors" & program=$!
expect '^focus text \| Please enter an integer between 10 and 1000' && xdotool key Return
expect '^focus text \| Please enter an integer between 1 and 10000' && xdotool key Return
expect '^focus push button \| Experiment Start' 2 && xdotool key space
# The average said is the one the table shows.
expect '^notification \| Run finished: 1000 experiments, average of shortage (-?[0-9.]+) \| Average of shortage: \1$' &&
  xdotool key ctrl+g
expect '^focus list item \| Shortage -?[0-9]+: [0-9]+ experiments\. ' && xdotool key Left
expect '^focus list item \| Shortage ' 2 && xdotool key Return
expect '^focus push button \| Replay \| Meeting [0-9]+ of 1000: lowest balance -?[0-9]+, after guest [0-9]+ of 100$' &&
  xdotool key Right
expect '^notification \| After guest 1 of 100: balance -?[0-9]+, lowest so far -?[0-9]+ \| ' &&
  xdotool key Escape  # back to the bars
expect '^focus list item \| Shortage ' 3 && xdotool key Escape  # the chart closed
# Experiment Start, disabled by its run, handed the focus on to Help; two steps back is Exit.
expect '^focus push button \| Help' 2 && xdotool key shift+Tab shift+Tab space
expect '^focus push button \| OK' && xdotool key Return
timeout 5 tail --pid="$program" -f /dev/null || { echo "still running 5 s after Exit" && exit 1; }
status=0 && wait "$program" || status=$?
# Qt's accessibility bridge says so when the registry is slow to take a key: not the program's.
own="$(grep -v '^QSpiApplication::keyEventError' "$errors" || true)"
echo "the program ended with status $status, printing $(wc -l <"$errors") lines:" && cat "$errors"
[[ $status -eq 0 && -z "$own" ]]
