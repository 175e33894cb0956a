// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "chart_model.h"
#include "experiment_settings.h"
#include "page_dialogs.h"
#include "random_generator.h"
#include "shortage_experiment.h"
#include "shortage_run.h"

namespace ombrix {

// One program per page, so one session: the settings, the engine and the last run, the
// page's dialogs, and the chart window's model.
struct Session {
  ExperimentSettings settings;
  RandomGenerator random{FreshSeed()};
  ShortageExperiment<RandomGenerator> engine{random};
  std::optional<RunReport> report;
  PageDialogs dialogs;
  ChartModel chart;
};

Session& session();

}  // namespace ombrix
