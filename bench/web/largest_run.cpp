// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's largest run compiled to WebAssembly as the site's module is, for
// scripts/web_bench.mjs to time in chromium beside the native benchmark's LargestRun: the
// same settings, generator and engine, built once as there.

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include "experiment_settings.h"
#include "local_clock.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

// The milliseconds of one run at 1000 guests x 10000 experiments; its average, which the
// caller keeps, keeps the run from being optimised away.
emscripten::val LargestRun() {
  static RandomGenerator random(FreshSeed());
  static ShortageExperiment<RandomGenerator> engine(random);
  const ExperimentSettings settings{.GuestCount = ExperimentSettings::MaxGuests,
                                    .ExperimentCount = ExperimentSettings::MaxExperiments};
  const double start = emscripten_get_now();
  const ShortageRun run = engine.Run(settings);
  const double milliseconds = emscripten_get_now() - start;
  emscripten::val result = emscripten::val::object();
  result.set("milliseconds", milliseconds);
  result.set("average", run.average);
  return result;
}

}  // namespace
}  // namespace ombrix

EMSCRIPTEN_BINDINGS(ombrix_bench) {
  emscripten::function("largestRun", &ombrix::LargestRun);
}
