// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "chart_model.h"
#include "program_commands.h"

namespace ombrix {

// One program per page, so one session: the commands with the settings, the engine and the
// table's run, and the chart window's model, which measures its texts by the page's measure.
struct Session {
  ProgramCommands commands;
  ChartModel chart{[](std::string_view text, double pixels, bool bold) {
    return pageMeasure(std::string(text), pixels, bold).as<double>();
  }};
  static inline emscripten::val pageMeasure = emscripten::val::undefined();
};

Session& session();

}  // namespace ombrix
