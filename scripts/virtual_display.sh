# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts that run the program on a virtual X display.
# start_virtual_display WIDTHxHEIGHT: starts Xvfb on a free display and exports DISPLAY;
# start_window_manager starts openbox on it, which frames windows as a desktop does;
# stop_virtual_display stops both. wait_for_window REGEX waits until a window whose title
# matches REGEX is shown and prints its id.

start_virtual_display() {
  local pipe
  pipe="$(mktemp -u)"
  mkfifo "$pipe"
  # Xvfb picks a free display number and writes it to the pipe. Without -noreset it starts
  # afresh whenever its last client leaves, as between two short-lived clients, and once in a
  # while does not come back.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$pipe" 2>/dev/null &
  xvfb_pid=$!
  read -r -t 10 display_number <"$pipe"
  rm -f "$pipe"
  export DISPLAY=":$display_number"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

start_window_manager() {
  # Windows mapped before the manager runs would go unframed: wait until it has started.
  local ready
  ready="$(mktemp -u)"
  openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
  manager_pid=$!
  for _ in $(seq 200); do
    [[ -e $ready ]] && break
    sleep 0.05
  done
  if [[ ! -e $ready ]]; then
    echo "openbox did not start" >&2
    return 1
  fi
  rm -f "$ready"
}

stop_virtual_display() {
  local pid
  for pid in ${manager_pid:-} ${xvfb_pid:-}; do
    kill "$pid" 2>/dev/null || true
  done
}

wait_for_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1
}
