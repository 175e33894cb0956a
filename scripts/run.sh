#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running Ombrix need, builds the program and its chimes
# (scripts/setup.sh --for run), then starts it. The tests are scripts/test.sh's.
# Environment: OMBRIX_BUILD_DIR as for setup.sh.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

build_dir="${OMBRIX_BUILD_DIR:-build}"
[[ "$build_dir" == /* ]] || build_dir="$repo_root/$build_dir"
program="$build_dir/bin/ombrix"

bash scripts/setup.sh --for run

if [[ ! -x "$program" ]]; then
  printf 'run: the build finished but %s is not there: the program is not built yet.\n' \
    "$program" >&2
  exit 1
fi

# An explicit QT_QPA_PLATFORM (offscreen, vnc, ...) needs no display of ours.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  cat >&2 <<EOF
run: Ombrix is built, but there is no screen to show its windows on:
neither DISPLAY nor WAYLAND_DISPLAY is set.
Run it from a desktop session, or on a virtual screen with:
  xvfb-run -a $program
EOF
  exit 1
fi

exec "$program"
