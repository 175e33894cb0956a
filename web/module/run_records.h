// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include "meeting_walk.h"
#include "shortage_run.h"

namespace ombrix {

// A finished run as the page shows it: the average's and the cells' texts, the tooltips with
// the exact law, and the table as the tab-separated text that Copy table puts on the
// clipboard.
emscripten::val RunRecord(const RunReport& report);

// The chart of a run: its bars, the expected counts, the count axis, the two markers and the
// chart's words, every figure as the desktop's chart window has it.
emscripten::val ChartRecord(const RunReport& report);

// One meeting of a run of `experimentCount` experiments, drawn again: the balance after each
// guest, its lowest point, and its words.
emscripten::val MeetingRecord(const MeetingWalk& walk, int experimentCount);

// The chart window: its object name, caption and client area, the names of its axes and
// series, its words when no run is shown, and the names of its coins marker, its bars and a
// meeting's axes and commands.
emscripten::val ChartWindowRecord();

}  // namespace ombrix
