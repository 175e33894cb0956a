// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "experiment_settings.h"
#include "local_clock.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix {

// What the two benchmark programs share: how they run, the medians they print ratios of, and
// the run they measure against.

// Runs the registered benchmarks, 11 interleaved repetitions each unless the command line's
// flags say otherwise, printing as usual, and returns the median real time of each by name:
// ratios of medians measured side by side hold from one machine to another. Nothing, with the
// flag reported, when a flag is unknown.
inline std::optional<std::map<std::string, double>> RunForMedians(int argc, char** argv) {
  std::string defaults[] = {"--benchmark_repetitions=11",
                            "--benchmark_enable_random_interleaving=true",
                            "--benchmark_report_aggregates_only=true"};
  // The defaults come first, so that the command line's flags override them.
  std::vector<char*> args{argv[0]};
  for (std::string& flag : defaults)
    args.push_back(flag.data());
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data()))
    return std::nullopt;

  struct MedianKeeper : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) {
        if (run.aggregate_name == "median")
          medians[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    std::map<std::string, double> medians;
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return std::move(reporter.medians);
}

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
