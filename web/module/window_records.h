// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>

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

// What a screen reader says of the main window's label `name` showing `text`: "shortage -3:
// 120 experiments", "Number of guests: 100"; empty for a label whose text says it all.
std::string MainWindowSpoken(const std::string& name, const std::string& text);

}  // namespace ombrix
