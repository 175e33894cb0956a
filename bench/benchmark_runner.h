// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include "experiment_settings.h"
#include "local_clock.h"
#include "median_runner.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix {

// What ombrix_bench and ombrix_chart_bench share besides how they run (median_runner.h): the
// run they measure against.

// One run at the largest settings, 1000 guests x 10000 experiments: what the other figures
// are measured against.
inline void LargestRun(benchmark::State& state) {
  const ExperimentSettings settings{.GuestCount = ExperimentSettings::MaxGuests,
                                    .ExperimentCount = ExperimentSettings::MaxExperiments};
  RandomGenerator random(FreshSeed());
  // Built once, as the main window holds it: a run itself allocates nothing.
  ShortageExperiment<RandomGenerator> engine(random);
  for (auto _ : state) {
    const ShortageRun run = engine.Run(settings);
    benchmark::DoNotOptimize(run.average);
    benchmark::ClobberMemory();
  }
}

}  // namespace ombrix
