#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots in docs/: the main window after a run at the default settings, the
# chart window after 10000 meetings of 100 guests, and the help window; then, unscaled, a
# 1024 x 768 desktop with a window manager where the chart, opened over part of the main
# window, stays above it after a click on the main window; and a Chromebook's 1366 x 768 screen,
# where the chart opens narrower beside the main window, its title on two lines. Runs the built program on a
# virtual X display (Xvfb) and drives it with xdotool.
# Usage: scripts/screenshots.sh [build-dir]   (QT_SCALE_FACTOR is passed through)
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$repo_root/build}"
program="$build_dir/bin/ombrix"
suffix="${QT_SCALE_FACTOR:+-x$QT_SCALE_FACTOR}"
scale="${QT_SCALE_FACTOR:-1}"

# shellcheck source=virtual_display.sh
source "$repo_root/scripts/virtual_display.sh"
trap 'kill ${program_pid:-} 2>/dev/null || true; stop_virtual_display' EXIT
start_virtual_display 1920x1440

# Grabs the client area of a window: position and size in pixels, times the scale.
grab() {
  local x=$(($2 * scale)) y=$(($3 * scale)) w=$(($4 * scale)) h=$(($5 * scale))
  sleep 0.5
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
  echo "wrote $1"
}

# Starts the program and accepts both settings dialogs' defaults: 100 guests, 1000 experiments.
start_program() {
  "$program" &
  program_pid=$!
  wait_for_window '^Setting the number of guests$' >/dev/null
  xdotool key Return
  wait_for_window '^Setting the number of experiments$' >/dev/null
  sleep 0.3
  xdotool key Return
}

start_program
sleep 0.5
# Experiment Start, at the bottom right.
xdotool mousemove $(((244 + 560) * scale)) $(((99 + 468) * scale)) click 1
grab "$repo_root/docs/main-window$suffix.png" 244 99 613 512

# Init, in the title strip's right half; 100 guests again, then 10000 experiments; a run, and
# its chart through the shortcut. The chart is grabbed where it was placed.
xdotool mousemove $(((244 + 524) * scale)) $(((99 + 12) * scale)) click 1
wait_for_window '^ Setting the number of guests$' >/dev/null
sleep 0.3
xdotool key Return
wait_for_window '^ Setting the number of experiment$' >/dev/null
sleep 0.3
xdotool key ctrl+a type 10000
xdotool key Return
sleep 0.5
xdotool mousemove $(((244 + 560) * scale)) $(((99 + 468) * scale)) click 1
sleep 0.5
xdotool key ctrl+g
chart="$(wait_for_window '^Experiment of Ombrix 2＿Chart')"
eval "$(xdotool getwindowgeometry --shell "$chart")"
grab "$repo_root/docs/chart-window$suffix.png" $((X / scale)) $((Y / scale)) $((WIDTH / scale)) \
  $((HEIGHT / scale))

# The Help button, in the middle of the title strip's right half.
xdotool mousemove $(((244 + 468) * scale)) $(((99 + 12) * scale)) click 1
wait_for_window '^Experiment of Ombrix 2＿Help' >/dev/null
grab "$repo_root/docs/help-window$suffix.png" 206 136 634 581

[[ -z $suffix ]] || exit 0

# On a fresh screen of `$1` with a window manager: a run, and its chart through the shortcut.
# Leaves the main window's place in X and Y, and the chart's window in `chart`.
chart_on_screen() {
  kill "$program_pid" && stop_virtual_display
  start_virtual_display "$1"
  start_window_manager
  start_program
  main="$(wait_for_window '^Experiment of Ombrix 2　')"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 560)) $((Y + 468)) click 1 # Experiment Start
  sleep 0.5
  xdotool key ctrl+g
  chart="$(wait_for_window '^Experiment of Ombrix 2＿Chart')"
  sleep 0.5
}

chart_on_screen 1024x768
xdotool mousemove $((X + 300)) $((Y + 12)) click 1 # the main window's title strip
sleep 0.5
import -window root "$repo_root/docs/chart-above-main.png"
echo "wrote $repo_root/docs/chart-above-main.png"

# A Chromebook's screen: the chart opens beside the main window, narrower than its own size.
chart_on_screen 1366x768
import -window "$chart" "$repo_root/docs/chart-window-chromebook.png"
echo "wrote $repo_root/docs/chart-window-chromebook.png"
