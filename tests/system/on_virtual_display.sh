#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a virtual X display of the given size, alone or under the openbox
# window manager, which gives windows a frame and a title bar as a desktop would.
# Usage: on_virtual_display.sh WIDTHxHEIGHT openbox|none PROGRAM [ARGUMENT...]
set -euo pipefail
# shellcheck source=../../scripts/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display "$1"
export QT_QPA_PLATFORM=xcb  # the test programs' own default is offscreen
[[ $2 != openbox ]] || start_window_manager
"${@:3}"
