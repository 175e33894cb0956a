// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart_model.h"
#include "program_commands.h"

namespace ombrix {

// One program per page, so one session: the commands with the settings, the engine and the
// table's run, and the chart window's model.
struct Session {
  ProgramCommands commands;
  ChartModel chart;
};

Session& session();

}  // namespace ombrix
