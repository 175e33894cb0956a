# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts that run the program on a virtual X display.
# start_virtual_display WIDTHxHEIGHT: starts Xvfb on a free display and exports DISPLAY;
# stop_virtual_display stops it. wait_for_window REGEX waits until a window whose title
# matches REGEX is shown and prints its id.

start_virtual_display() {
  local pipe
  pipe="$(mktemp -u)"
  mkfifo "$pipe"
  # Xvfb picks a free display number and writes it to the pipe.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$pipe" 2>/dev/null &
  xvfb_pid=$!
  read -r -t 10 display_number <"$pipe"
  rm -f "$pipe"
  export DISPLAY=":$display_number"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

stop_virtual_display() {
  if [[ -n "${xvfb_pid:-}" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
  fi
}

wait_for_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1
}
