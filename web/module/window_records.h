// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

namespace ombrix {

// The windows' layout records as JavaScript objects for the page: each window's caption,
// client area and controls (rectangles in CSS pixels, the pixels the desktop's controls
// cover, and what a screen reader says of them), the object names of the controls its commands
// use by role, and what else the page draws from (the count cells' names, the table's area and
// menu, the cue files, the help lines).
emscripten::val MainWindowRecord();
emscripten::val HelpWindowRecord();
emscripten::val InputBoxRecord();
emscripten::val MessageBoxRecord();

}  // namespace ombrix
